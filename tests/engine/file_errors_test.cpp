// Errors raised again with the name of the file they concern.
#include "engine/file_errors.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(NamingFile, NamesTheFileOfAnIOErrorOnceAndLetsEverythingElseThrough) {
  EXPECT_EQ(NamingFile("a.dat", [] { return 7; }), 7);
  try {
    NamingFile("outer.bat", [] { NamingFile("inner.dat", [] { throw InOutError(5); }); });
    ADD_FAILURE() << "nothing raised";
  } catch (const InOutError& error) {
    EXPECT_STREQ(error.what(), "File access denied: inner.dat") << "the innermost name is the one that failed";
    EXPECT_EQ(error.code(), 5);
  }
  try {
    NamingFile("a.dat", [] { throw ListIndexError(-1); });
    ADD_FAILURE() << "nothing raised";
  } catch (const ListIndexError& error) {
    EXPECT_STREQ(error.what(), "List index out of bounds (-1)");
  }
}

}  // namespace
}  // namespace vantrel
