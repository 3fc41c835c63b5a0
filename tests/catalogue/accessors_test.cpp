#include "catalogue/accessors.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace vantrel {
namespace {

TEST(Accessors, CutTheirCharactersOutOfTheSelectedEntries) {
  Catalogue cat;
  cat.ListBox1.Replace({"0311 my plane"});
  cat.ListBox2.Replace({"0309  Gotha G.4"});
  cat.ListBox3.Replace({"0309_my plane"});
  EXPECT_EQ(PatchCode(cat), "0311");
  EXPECT_EQ(PatchIndexHex(cat), "11");
  EXPECT_EQ(PatchFolder(cat), "my plane");
  EXPECT_EQ(SlotCode(cat), "0309");
  EXPECT_EQ(SlotIndexHex(cat), "09");
  EXPECT_EQ(ActiveCode(cat), "0309");
  cat.ListBox3.Replace({"0099_SpringMaps_vol_patch"});
  EXPECT_EQ(ActiveCode(cat), "0099");
}

TEST(Accessors, ShortEntriesGiveWhatTheyHold) {
  Catalogue cat;
  cat.ListBox1.Replace({"031"});
  EXPECT_EQ(PatchCode(cat), "031");
  EXPECT_EQ(PatchIndexHex(cat), "1");
  EXPECT_EQ(PatchFolder(cat), "");
}

TEST(Accessors, PatchFolderReturnsTheWholeName) {
  Catalogue cat;
  const std::string name(120, 'n');
  cat.ListBox1.Replace({"0601 " + name});
  EXPECT_EQ(PatchFolder(cat), name);
}

TEST(Accessors, FirstEntryDefaultSelectsForGoodButNotForPatchIndexHex) {
  Catalogue cat;
  cat.ListBox1.Replace({"0311 first", "0312 second"});
  EXPECT_THROW(PatchIndexHex(cat), ListIndexError);
  EXPECT_FALSE(cat.ListBox1.Selected());
  EXPECT_EQ(PatchCode(cat), "0311");
  EXPECT_EQ(cat.ListBox1.Selected(), 0);
  EXPECT_EQ(PatchIndexHex(cat), "11") << "succeeds once an accessor has selected an entry";

  cat.ListBox1.Select(1);
  EXPECT_EQ(PatchFolder(cat), "second") << "an existing selection is left alone";
}

TEST(Accessors, EmptyListsRaiseTheListErrorExceptActiveCode) {
  Catalogue cat;
  for (auto accessor : {PatchIndexHex, PatchCode, PatchFolder, SlotIndexHex, SlotCode}) {
    try {
      accessor(cat);
      ADD_FAILURE() << "no error raised";
    } catch (const ListIndexError& e) {
      EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
  }
  EXPECT_EQ(ActiveCode(cat), "");
}

}  // namespace
}  // namespace vantrel
