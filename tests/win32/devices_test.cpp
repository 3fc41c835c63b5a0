// A device where a file is expected is not read as a file: the system's null device gives
// nothing and takes anything, and would pass for an empty file.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/record_file.h"
#include "platform/text_file.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::TempDir;

TEST(Devices, TheNullDeviceIsRefusedWhereAFileIsRead) {
  TempDir dir;
  const std::function<void()> kReaders[] = {
      [] { RecordFile("NUL", RecordFile::Mode::ReadOnly); },
      [] { RecordFile("NUL", RecordFile::Mode::ReadWrite); },
      [] { ReadTextLines("NUL"); },
      [] { CopyFileKeepTime("NUL", "copy.dat"); },
  };
  for (std::size_t reader = 0; reader < std::size(kReaders); ++reader) {
    SCOPED_TRACE("reader " + std::to_string(reader));
    try {
      kReaders[reader]();
      ADD_FAILURE() << "read as a file";
    } catch (const InOutError& error) {
      EXPECT_EQ(error.code(), 5);
      EXPECT_EQ(error.file(), "NUL") << error.what();
    }
  }
  EXPECT_FALSE(dir.exists("copy.dat"));
}

}  // namespace
}  // namespace vantrel::platform
