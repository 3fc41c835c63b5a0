// A name that cannot be found is told apart from a path whose folder is missing, as
// Windows tells them: 2 "file not found" and 3 "path not found". Both backends give the
// same number for the same failure.
#include <gtest/gtest.h>

#include <functional>

#include "in_out_code.h"
#include "platform/file_length.h"
#include "platform/files.h"
#include "platform/record_file.h"
#include "platform/text_file.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::platform::testing::InOutCode;
using vantrel::testing::TempDir;

TEST(MissingPaths, AMissingFileIsTwoAMissingFolderThree) {
  TempDir dir;
  dir.mkdir("folder");
  using Action = std::function<void(const char*)>;
  const struct {
    const char* what;
    Action action;
  } actions[] = {
      {"read lines", [](const char* p) { ReadTextLines(p); }},
      {"open records to read", [](const char* p) { RecordFile(p, RecordFile::Mode::ReadOnly); }},
      {"open records to write", [](const char* p) { RecordFile(p, RecordFile::Mode::ReadWrite); }},
      {"length", [](const char* p) { FileLength(p); }},
      {"delete", [](const char* p) { DeleteFileAt(p); }},
      {"move away", [](const char* p) { MoveFileTo(p, "moved.txt"); }},
  };
  const struct {
    const char* path;
    int code;
  } paths[] = {
      {"missing.txt", 2},
      {"folder\\missing.txt", 2},
      {"nowhere\\x.txt", 3},
      {"folder\\nowhere\\x.txt", 3},
  };
  for (const auto& a : actions) {
    for (const auto& p : paths) EXPECT_EQ(InOutCode([&] { a.action(p.path); }), p.code) << a.what << " " << p.path;
  }
  EXPECT_FALSE(dir.exists("moved.txt"));
}

}  // namespace
}  // namespace vantrel::platform
