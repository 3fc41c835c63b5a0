#include "platform/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::TempDir;

TEST(Names, NtfsOrderComparesUpperCasedBytes) {
  std::vector<std::string> names = {"b", "_x", "A", "a_", "ab", "Z", "~", "0", "\xe9", "aB"};
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return NtfsNameLess(a, b); });
  // "_" (0x5F) sorts after every upper-cased letter and before "~"; a prefix before its longer names.
  const std::vector<std::string> expected = {"0", "A", "aB", "ab", "a_", "b", "Z", "_x", "~", "\xe9"};
  EXPECT_EQ(names, expected);
  EXPECT_FALSE(NtfsNameLess("abc", "abc"));
  EXPECT_TRUE(SameNameIgnoringCase("Multi", "mULTI"));
  EXPECT_FALSE(SameNameIgnoringCase("Multi", "Multi2"));
  EXPECT_FALSE(SameNameIgnoringCase("\xe9", "\xc9"));
}

TEST(Names, WindowsCannotHoldReservedCharactersOrControlBytes) {
  for (const char* bad : {"a<b", "a>b", "a:b", "a\"b", "a/b", "a\\b", "a|b", "a?b", "a*b", "line\nbreak", "tab\there",
                          "\x1f", ""}) {
    EXPECT_FALSE(WindowsCanHold(bad)) << bad;
  }
  for (const char* good : {"060E my object", ".hidden", "a.b.c", "\xe9t\xe9", "x~1", "[a]"}) {
    EXPECT_TRUE(WindowsCanHold(good)) << good;
  }
  EXPECT_TRUE(IsHiddenName(".vantrel"));
  EXPECT_FALSE(IsHiddenName("a.b"));
}

TEST(Names, WindowsCannotCreateDeviceNamesOrNamesEndingInADotOrASpace) {
  for (const char* bad : {"CON", "con", "Nul.txt", "aux.tar.gz", "PRN", "COM1", "lpt9.dml", "name.", "name ", "a:b", ""}) {
    EXPECT_FALSE(WindowsCanCreate(bad)) << bad;
  }
  for (const char* good : {"CONSOLE", "COM0", "COM10", "LPT", "xNUL", "0305 FE2b Fighter", ".hidden", "a.b"}) {
    EXPECT_TRUE(WindowsCanCreate(good)) << good;
  }
}

TEST(Names, SplitLastComponent) {
  auto parts = SplitLastComponent("Simpatch\\0309 plane\\model.aop");
  EXPECT_EQ(parts.folder, "Simpatch\\0309 plane");
  EXPECT_EQ(parts.name, "model.aop");
  parts = SplitLastComponent("a/b\\c");
  EXPECT_EQ(parts.folder, "a/b");
  EXPECT_EQ(parts.name, "c");
  parts = SplitLastComponent("rb.vol");
  EXPECT_EQ(parts.folder, "");
  EXPECT_EQ(parts.name, "rb.vol");
  parts = SplitLastComponent("/etc");
  EXPECT_EQ(parts.folder, "/");
  EXPECT_EQ(parts.name, "etc");
}

}  // namespace
}  // namespace vantrel::platform
