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

}  // namespace
}  // namespace vantrel
