#include "catalogue/patch_folders_ahead.h"

#include <gtest/gtest.h>

#include "rbext/hex_value.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using testing::TempDir;

void MakePatch(const TempDir& dir, const std::string& folder, const std::string& code) {
  dir.write(folder + "/" + code + "9000.dml", "shape");
}

std::vector<std::string> Listed(const Catalogue& cat) {
  std::vector<std::string> names;
  for (const objectrec& rec : cat.objectTable) names.push_back(rec.patchCode + " " + rec.folderName);
  return names;
}

// What is read ahead is what the first refresh lists; a folder made after the reading is
// listed only where the reading was forgotten, and every later refresh reads again.
TEST(PatchFoldersAhead, TheFirstRefreshTakesTheReadingUnlessItWasForgotten) {
  for (const bool forget : {false, true}) {
    SCOPED_TRACE(forget ? "forgotten" : "taken");
    TempDir dir;
    MakePatch(dir, "Camel", "0302");
    PatchFoldersAhead ahead;
    ahead.Start();
    if (forget) ahead.Forget();
    const std::optional<PatchFolders> read = ahead.Take();
    EXPECT_EQ(read.has_value(), !forget);
    MakePatch(dir, "Albatros", "0301");

    Catalogue cat;
    RefreshPatchList(cat, read);
    const std::vector<std::string> both{"0301 Albatros", "0302 Camel"}, first{"0302 Camel"};
    EXPECT_EQ(Listed(cat), forget ? both : first);
    EXPECT_FALSE(ahead.Take()) << "taken once only";
    RefreshPatchList(cat, ahead.Take());
    EXPECT_EQ(Listed(cat), both);
  }
}

// The window's thread helps with the looks still to be made when it takes the reading; what it
// takes is what one thread finds alone, in the search's order, past the cap counted.
TEST(PatchFoldersAhead, WhatIsTakenIsWhatOneSearchFinds) {
  TempDir dir;
  for (int i = 0; i < kMaxPatchFolders + 40; ++i) {
    const std::string code = HexByte(static_cast<std::uint8_t>(3 + i / 256)) + HexByte(static_cast<std::uint8_t>(i % 256));
    MakePatch(dir, "Folder " + std::to_string(i), code);
    if (i % 7 == 0) dir.write("Plain " + std::to_string(i) + "/readme.txt", "no patch here");
  }
  dir.write("Not a folder.txt", "");
  PatchFoldersAhead ahead;
  ahead.Start();
  const std::optional<PatchFolders> taken = ahead.Take();
  const PatchFolders alone = FindPatchFolders();
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->unlisted, 40);
  EXPECT_EQ(taken->unlisted, alone.unlisted);
  ASSERT_EQ(taken->listed.size(), alone.listed.size());
  for (std::size_t i = 0; i < alone.listed.size(); ++i) {
    EXPECT_EQ(taken->listed[i].folderName, alone.listed[i].folderName);
    EXPECT_EQ(taken->listed[i].patchCode, alone.listed[i].patchCode);
  }
}

// A reading of one working folder is not taken for another.
TEST(PatchFoldersAhead, AReadingOfAnotherFolderIsNotTaken) {
  TempDir first;
  MakePatch(first, "Camel", "0302");
  PatchFoldersAhead ahead;
  ahead.Start();
  TempDir second;
  EXPECT_FALSE(ahead.Take());
}

}  // namespace
}  // namespace vantrel
