// The contract of search.h on every system: the working folders are laid out through
// std::filesystem, hidden entries hidden as each system hides them, so that these cases run
// under Windows as under POSIX. What POSIX alone can lay out (names Windows cannot hold,
// links, one name in two letter cases) is in search_posix_test.cpp.
#include "platform/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "found_names.h"
#include "hidden.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::Hide;
using vantrel::platform::testing::Names;
using vantrel::platform::testing::Names_;
using vantrel::testing::TempDir;

// A working folder with every kind of entry a search has to tell apart.
void LayOutMixedFolder(const TempDir& dir) {
  dir.write("w/b.txt", "x");
  dir.write("w/A.TXT", "x");
  dir.write("w/_under.txt", "x");
  dir.write("w/.hidden.txt", "x");
  dir.mkdir("w/Sub.txt");
  dir.mkdir("w/.hiddendir");
  Hide(dir.path() / "w" / ".hidden.txt");
  Hide(dir.path() / "w" / ".hiddendir");
}

TEST(FindEntries, AdmissionRules) {
  TempDir dir;
  LayOutMixedFolder(dir);
  EXPECT_EQ(Names(FindEntries("w\\*", Admit::Files)), (Names_{"A.TXT", "b.txt", "_under.txt"}));
  EXPECT_EQ(Names(FindEntries("w\\*", Admit::FilesAndFolders)), (Names_{"A.TXT", "b.txt", "Sub.txt", "_under.txt"}));
  EXPECT_EQ(Names(FindEntries("w\\*", Admit::Everything)),
            (Names_{".hidden.txt", ".hiddendir", "A.TXT", "b.txt", "Sub.txt", "_under.txt"}));
  EXPECT_EQ(Names(FindEntries("w\\*", Admit::Folders)), (Names_{"Sub.txt"}));
  EXPECT_EQ(Names(FindEntries("w\\sub.txt", Admit::Folders)), (Names_{"Sub.txt"}));
  EXPECT_TRUE(FindEntries("w\\b.txt", Admit::Folders).empty());
}

TEST(FindEntries, ReportsFoldersAndHiddenEntries) {
  TempDir dir;
  LayOutMixedFolder(dir);
  auto found = FindEntries("W/.HIDDEN*", Admit::Everything);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].name, ".hidden.txt");
  EXPECT_FALSE(found[0].directory);
  EXPECT_TRUE(found[0].hidden);
  EXPECT_EQ(found[1].name, ".hiddendir");
  EXPECT_TRUE(found[1].directory);
  EXPECT_TRUE(found[1].hidden);
  found = FindEntries("w\\sub.*", Admit::FilesAndFolders);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_TRUE(found[0].directory);
  EXPECT_FALSE(found[0].hidden);
}

TEST(FindEntries, PlainNamesFindTheirCaseVariant) {
  TempDir dir;
  dir.write("Game/RB.VOL", "x");
  dir.write("Game/3DSpring.vol", "x");
  EXPECT_EQ(Names(FindEntries("game\\rb.vol", Admit::Files)), Names_{"RB.VOL"});
  EXPECT_EQ(Names(FindEntries("GAME\\3dspring.VOL", Admit::Files)), Names_{"3DSpring.vol"});
  EXPECT_EQ(Names(FindEntries("Game\\RB.VOL", Admit::Files)), Names_{"RB.VOL"});
  EXPECT_EQ(Names(FindEntries("Game\\RB.VOL.", Admit::Files)), Names_{"RB.VOL"});
  EXPECT_TRUE(FindEntries("Game\\rb.vo", Admit::Files).empty());
  EXPECT_TRUE(FindEntries("Game", Admit::Files).empty());  // a folder, and only files were asked for
  EXPECT_EQ(Names(FindEntries("game", Admit::FilesAndFolders)), Names_{"Game"});
}

TEST(FindEntries, PlainNamesHonourTheAdmissionRules) {
  TempDir dir;
  LayOutMixedFolder(dir);
  EXPECT_TRUE(FindEntries("w\\.hidden.txt", Admit::Files).empty());
  EXPECT_EQ(Names(FindEntries("w\\.hidden.txt", Admit::Everything)), Names_{".hidden.txt"});
  EXPECT_TRUE(FindEntries("w\\..", Admit::Everything).empty());
}

TEST(FindEntries, AMissingFolderGivesNothing) {
  TempDir dir;
  dir.write("file.txt", "x");
  EXPECT_TRUE(FindEntries("nowhere\\*", Admit::Everything).empty());
  EXPECT_TRUE(FindEntries("file.txt\\*", Admit::Everything).empty());
  EXPECT_EQ(FindFirstName("nowhere\\*", Admit::Everything), "");
}

TEST(FindEntries, CurrentFolderWhenThereIsNoFolderPart) {
  TempDir dir;
  dir.write("z.dat", "x");
  dir.write("Y.dat", "x");
  dir.write("x.txt", "x");
  EXPECT_EQ(Names(FindEntries("*.DAT", Admit::Files)), (Names_{"Y.dat", "z.dat"}));
  EXPECT_EQ(FindFirstName("*.dat", Admit::Files), "Y.dat");
  const std::string absolute = vantrel::testing::Utf8Name(dir.path()) + "/*.txt";
  EXPECT_EQ(Names(FindEntries(absolute, Admit::Files)), Names_{"x.txt"});
}

TEST(FindEntries, FirstNameAgreesWithTheSortedSearch) {
  TempDir dir;
  for (const char* name : {"m_1", "M2", "ma", "Mz", "m-", "M~"}) dir.write(name, "x");
  auto all = FindEntries("m*", Admit::Files);
  EXPECT_EQ(Names(all), (Names_{"m-", "M2", "ma", "Mz", "m_1", "M~"}));
  EXPECT_EQ(FindFirstName("m*", Admit::Files), all.front().name);
}

TEST(FindEntries, LargeFolderInOrderWithoutDuplicates) {
  TempDir dir;
  for (int i = 1199; i >= 0; --i) vantrel::testing::WriteFileBytes(dir.path() / ("f" + std::to_string(i) + ".vol"), "");
  auto found = FindEntries("F1???.VOL", Admit::Files);
  ASSERT_EQ(found.size(), 311u);  // f1, f10..f19, f100..f199, f1000..f1199
  EXPECT_EQ(found.front().name, "f1.vol");
  EXPECT_EQ(found.back().name, "f199.vol");  // "f199." sorts after "f1199."
  EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
                             [](const FoundEntry& a, const FoundEntry& b) { return a.name < b.name; }));
}

}  // namespace
}  // namespace vantrel::platform
