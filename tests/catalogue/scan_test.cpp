#include "catalogue/scan.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "platform/errors.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using testing::CrLf;
using testing::TempDir;

// A patch folder: a subfolder holding a "????9000.dml" shape file.
void MakePatch(const TempDir& dir, const std::string& folder, const std::string& code) {
  dir.write(folder + "/" + code + "9000.dml", "shape");
}

std::string ScanList(const TempDir& dir) { return dir.read("vantrel.scan.tmp"); }

TEST(ScanPatchFolders, ListsPatchFoldersWithTheirCodesInSearchOrder) {
  TempDir dir;
  MakePatch(dir, "Zeppelin", "0311");
  MakePatch(dir, "my plane", "03ab");  // blanks in the name, letter case of the code kept
  dir.write("Other/readme.txt", "not a patch");
  dir.write("Loose9000.dml", "a file in the working folder is no patch folder");
  dir.write("Folder.dml", "");
  const std::string longName(130, 'L');
  MakePatch(dir, longName, "0601");

  Catalogue cat;
  ScanPatchFolders(cat);
  ASSERT_EQ(cat.objectCount(), 3);
  EXPECT_EQ(ScanList(dir), CrLf({"0601 " + longName, "03ab my plane", "0311 Zeppelin"}));
  EXPECT_EQ(cat.objectTable[1].folderName, "my plane");
  EXPECT_EQ(cat.objectTable[1].patchCode, "03ab");
}

TEST(ScanPatchFolders, TakesTheCodeOfTheFirstMatchingFileOnly) {
  TempDir dir;
  dir.write("Twin/03129000.dml", "");
  dir.write("Twin/03119000.dml", "");
  dir.write("Twin/0313x9000.dml", "five characters before 9000: no match");
  Catalogue cat;
  ScanPatchFolders(cat);
  EXPECT_EQ(ScanList(dir), CrLf({"0311 Twin"}));
}

TEST(ScanPatchFolders, SkipsHiddenFoldersHiddenShapesAndNamesWindowsCannotHold) {
  TempDir dir;
  MakePatch(dir, ".hidden", "0301");
  dir.write("Shy/.03029000.dml", "hidden shape file");
  dir.mkdir("Dir/03039000.dml");  // a folder with the shape's name does not count
  MakePatch(dir, "line\nbreak", "0304");
  MakePatch(dir, "say \"hi\"", "0305");
  MakePatch(dir, "back\\slash", "0306");
  MakePatch(dir, "Good", "0307");
  Catalogue cat;
  ScanPatchFolders(cat);
  EXPECT_EQ(ScanList(dir), CrLf({"0307 Good"}));
}

TEST(ScanPatchFolders, ListsTheFirst1024FoldersCountsTheRestAndRescansByteForByte) {
  TempDir dir;
  for (int i = 0; i < 1030; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "P%04d", i);
    MakePatch(dir, name, "0601");
  }
  Catalogue cat;
  ScanPatchFolders(cat);
  EXPECT_EQ(cat.objectCount(), 1024);
  EXPECT_EQ(cat.unlistedPatchFolders, 6);
  const std::string first = ScanList(dir);
  EXPECT_NE(first.find("0601 P1023\r\n"), std::string::npos);
  EXPECT_EQ(first.find("P1024"), std::string::npos) << "the first 1024 in search order are kept";

  ScanPatchFolders(cat);
  EXPECT_EQ(ScanList(dir), first);
}

TEST(ScanPatchFolders, WritesAnEmptyListWhenNothingIsFound) {
  TempDir dir;
  dir.write("vantrel.scan.tmp", "stale line\r\n");
  Catalogue cat;
  cat.objectTable.resize(5);
  ScanPatchFolders(cat);
  EXPECT_EQ(cat.objectCount(), 0);
  EXPECT_EQ(ScanList(dir), "");
}

TEST(ScanPatchFolders, AnUnwritableScanListEndsTheScanBeforeTheActiveList) {
  TempDir dir;
  MakePatch(dir, "Plane", "0311");
  dir.write("0309_old.aop", "");
  dir.mkdir("vantrel.scan.tmp");  // a folder where the file should go: denied even for root
  Catalogue cat;
  cat.ListBox3.Replace({"stale entry"});
  try {
    ScanPatchFolders(cat);
    FAIL() << "no error raised";
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "File access denied");
  }
  EXPECT_EQ(cat.objectCount(), 1) << "entries already recorded are kept";
  EXPECT_EQ(cat.ListBox3.Items(), std::vector<std::string>{"stale entry"}) << "the active list is not refreshed";
  std::set<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(".")) left.insert(entry.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{"0309_old.aop", "Plane", "vantrel.lock", "vantrel.scan.tmp"}))
      << "the list's new content, written beside it, is removed again";
}

// The scan list is put in place whole: a reader in another process, going by the file alone,
// finds the full list at every read while scans rewrite it.
TEST(ScanPatchFolders, AReaderInAnotherProcessNeverSeesAHalfWrittenList) {
  TempDir dir;
  // Long names, so that the list takes more than one write to the disk.
  for (int i = 0; i < 300; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d ", i);
    MakePatch(dir, name + std::string(240, 'x'), "0601");
  }
  Catalogue cat;
  ScanPatchFolders(cat);
  const std::string whole = ScanList(dir);
  ASSERT_GT(whole.size(), 70'000u);

  const pid_t scanner = ::fork();
  ASSERT_GE(scanner, 0);
  if (scanner == 0) {
    try {
      Catalogue own;
      for (int i = 0; i < 40; ++i) ScanPatchFolders(own);
    } catch (...) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  int reads = 0, partial = 0, status = 0;
  while (::waitpid(scanner, &status, WNOHANG) == 0) {
    ++reads;
    if (ScanList(dir) != whole) ++partial;
  }
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the scans in the other process failed";
  EXPECT_GT(reads, 100);
  EXPECT_EQ(partial, 0) << "of " << reads << " reads";
}

TEST(ListActivePatches, ListsMarkersAndKeepsTheSelectionWithoutRegardToCase) {
  TempDir dir;
  dir.write("0309_my plane.aop", "Active \r\n");
  dir.write("0099_arch_vol_patch.aop", "OK \r\n");
  dir.write(".0305_hidden.aop", "");
  dir.mkdir("0306_folder.aop");
  Catalogue cat;
  cat.ListBox3.Replace({"0309_My Plane"});
  cat.ListBox3.Select(0);
  ListActivePatches(cat);
  EXPECT_EQ(cat.ListBox3.Items(), (std::vector<std::string>{"0099_arch_vol_patch", "0309_my plane"}));
  ASSERT_TRUE(cat.ListBox3.Selected());
  EXPECT_EQ(cat.ListBox3.SelectedText(), "0309_my plane");

  std::filesystem::remove("0309_my plane.aop");
  ListActivePatches(cat);
  EXPECT_FALSE(cat.ListBox3.Selected()) << "a removed marker leaves nothing selected";
}

TEST(ListActivePatches, CollectsAtMost1025Markers) {
  TempDir dir;
  for (int i = 0; i < 1030; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "%04X_p.aop", i);
    dir.write(name, "");
  }
  Catalogue cat;
  ListActivePatches(cat);
  ASSERT_EQ(cat.ListBox3.Count(), 1025);
  EXPECT_EQ(cat.unlistedMarkers, 5);
  EXPECT_EQ(cat.ListBox3.At(1024), "0400_p");
}

TEST(FillDestinationSlots, Lists774SlotLinesOnceInCodeOrder) {
  Catalogue cat;
  cat.ListBox2.SetSorted(true);
  FillDestinationSlots(cat);
  FillDestinationSlots(cat);
  const auto& lines = cat.ListBox2.Items();
  ASSERT_EQ(lines.size(), 774u);
  EXPECT_EQ(lines.front(), "0300  Fok EIII");
  EXPECT_EQ(lines.back(), "142A 14 - City tiles");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i][4], ' ');
    EXPECT_FALSE(lines[i].starts_with("00") || lines[i].starts_with("01") || lines[i].starts_with("02"));
    if (i > 0) {
      EXPECT_LT(lines[i - 1].substr(0, 4), lines[i].substr(0, 4)) << "append order is code order";
    }
  }
  const auto line = [&](std::string_view code) {
    for (const auto& l : lines) {
      if (l.starts_with(code)) return l;
    }
    return std::string();
  };
  EXPECT_EQ(line("0400"), "0400 04 - Soldiers ");
  EXPECT_EQ(line("060B"), "060B 06 - Vehicles");
  EXPECT_EQ(line("0A00"), "0A00 0a - Debris");
  EXPECT_EQ(line("0313").size(), 30u);
  EXPECT_TRUE(line("0517").ends_with("05 - unknown/Dummy 1 clas"));
}

TEST(RefreshPatchList, LoadsAvailablePatchesSortedFromTheScanList) {
  TempDir dir;
  MakePatch(dir, "beta", "0602");
  MakePatch(dir, "Alpha", "0601");
  MakePatch(dir, "gamma", "0099");
  Catalogue cat;
  RefreshPatchList(cat);
  EXPECT_EQ(cat.ListBox1.Items(), (std::vector<std::string>{"0099 gamma", "0601 Alpha", "0602 beta"}));
  EXPECT_TRUE(cat.ListBox2.Sorted() && cat.ListBox3.Sorted());
  EXPECT_FALSE(cat.ListBox1.Selected());
}

}  // namespace
}  // namespace vantrel
