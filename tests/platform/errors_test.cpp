#include "platform/errors.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(Errors, TextsByNumber) {
  EXPECT_STREQ(InOutError(2).what(), "File not found");
  EXPECT_STREQ(InOutError(3).what(), "Invalid filename");
  EXPECT_STREQ(InOutError(4).what(), "Too many open files");
  EXPECT_STREQ(InOutError(5).what(), "File access denied");
  EXPECT_STREQ(InOutError(100).what(), "Read beyond end of file");
  EXPECT_STREQ(InOutError(101).what(), "Disk full");
  EXPECT_STREQ(InOutError(106).what(), "Invalid numeric input");
  EXPECT_STREQ(InOutError(103).what(), "I/O error 103");
  EXPECT_EQ(InOutError(101).code(), 101);
  EXPECT_STREQ(ListIndexError(-1).what(), "List index out of bounds (-1)");
  EXPECT_STREQ(ListIndexError(1025).what(), "List index out of bounds (1025)");
}

TEST(Errors, AFileNamedAfterTheTextKeepsTheNumber) {
  const InOutError denied(5, "acspecs3.dat");
  EXPECT_STREQ(denied.what(), "File access denied: acspecs3.dat");
  EXPECT_EQ(denied.code(), 5);
  EXPECT_EQ(denied.file(), "acspecs3.dat");
  EXPECT_STREQ(InOutError(100, "vantrel-files\\fmparam2.dat").what(), "Read beyond end of file: vantrel-files\\fmparam2.dat");
  EXPECT_STREQ(InOutError(28, "a b.dat").what(), "I/O error 28: a b.dat");
  EXPECT_STREQ(InOutError(101, "").what(), "Disk full") << "no name, no colon";
  EXPECT_EQ(InOutError(101).file(), "");
}

// Win32 has several numbers for one failure the user knows by one text; the numbers the
// layer already uses pass through unchanged, and an unknown one keeps its number.
TEST(Errors, WindowsNumbersMapToTheLayersNumbers) {
  const struct {
    unsigned long win32;
    int code;
  } cases[] = {
      {2, 2},   {3, 3},   {4, 4},   {5, 5},   {19, 5},  {32, 5},    {33, 5},  {38, 100},
      {39, 101}, {112, 101}, {123, 3}, {161, 3}, {206, 3}, {267, 3}, {1117, 1117},
  };
  for (const auto& c : cases) EXPECT_EQ(InOutError::CodeForWindowsError(c.win32), c.code) << c.win32;
}

}  // namespace
}  // namespace vantrel
