// What search.h promises where POSIX alone can lay it out: names Windows cannot hold,
// symbolic links, and one name held in two letter cases. The contract every system keeps is
// in search_test.cpp.
#include <gtest/gtest.h>

#include <filesystem>

#include "found_names.h"
#include "platform/search.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::platform::testing::Names;
using vantrel::platform::testing::Names_;
using vantrel::testing::TempDir;

TEST(FindEntries, NamesWindowsCannotHoldAreNeverFound) {
  TempDir dir;
  dir.write("w/b.txt", "x");
  for (const char* name : {"line\nbreak.txt", "quote\".txt", "back\\slash.txt"}) {
    dir.write(std::string("w/") + name, "x");
    EXPECT_TRUE(FindEntries(std::string("w\\") + name, Admit::Everything).empty()) << name;
  }
  EXPECT_EQ(Names(FindEntries("w\\*", Admit::Everything)), Names_{"b.txt"});
}

TEST(FindEntries, LinksCountAsWhatTheyPointTo) {
  TempDir dir;
  dir.mkdir("w/real");
  dir.write("w/file", "x");
  std::filesystem::create_directory_symlink("real", dir.path() / "w" / "dirlink");
  std::filesystem::create_symlink("file", dir.path() / "w" / "filelink");
  std::filesystem::create_symlink("nowhere", dir.path() / "w" / "dangling");
  EXPECT_EQ(Names(FindEntries("w\\*", Admit::Files)), (Names_{"dangling", "file", "filelink"}));
  auto found = FindEntries("w\\dirl*", Admit::FilesAndFolders);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_TRUE(found[0].directory);
}

TEST(FindEntries, PlainNameGivesTheExactEntryAloneWhenLinuxHoldsSeveralCases) {
  TempDir dir;
  dir.write("RB.VOL", "x");
  dir.write("rb.vol", "x");
  EXPECT_EQ(Names(FindEntries("rb.vol", Admit::Files)), Names_{"rb.vol"});
  EXPECT_EQ(FindFirstName("rb.vol", Admit::Files), "rb.vol");
  EXPECT_EQ(Names(FindEntries("Rb.Vol", Admit::Files)), (Names_{"RB.VOL", "rb.vol"}));
}

// A listing takes many reads of the system's entries when they fill more than one block:
// every name comes once, in the search's order, and the wildcard sees each of them.
TEST(FindEntries, AFolderOfThousandsOfLongNamesIsListedWhole) {
  TempDir dir;
  const std::string padding(100, 'x');
  Names_ expected;
  for (int i = 0; i < 1500; ++i) {
    const std::string name = std::to_string(10000 + i) + padding + (i % 2 ? ".aop" : ".txt");
    dir.write("w/" + name, "");
    if (i % 2) expected.push_back(name);
  }
  EXPECT_EQ(FindEntries("w\\*", Admit::Files).size(), 1500u);
  EXPECT_EQ(Names(FindEntries("w\\*.aop", Admit::Files)), expected);
}

}  // namespace
}  // namespace vantrel::platform
