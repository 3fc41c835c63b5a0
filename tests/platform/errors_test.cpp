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

}  // namespace
}  // namespace vantrel
