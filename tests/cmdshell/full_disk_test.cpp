// The real vantrel-cmd on a disk with no room left: what a redirection writes is whole or
// not there, since an activation marker counts by its presence alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "program_run.h"
#include "small_disk.h"
#include "temp_dir.h"

namespace vantrel::cmdshell {
namespace {

namespace fs = std::filesystem;
using testing::CrLf;

// Writes to `file` until the disk refuses a byte more.
void FillDisk(const fs::path& file) {
  std::ofstream out(file, std::ios::binary);
  const std::string block(4096, 'f');
  while (out.write(block.data(), static_cast<std::streamsize>(block.size())) && out.flush()) {
  }
}

TEST(FullDisk, AMarkerThatFindsNoRoomIsNotLeftCutAndTheScriptFails) {
  const struct {
    const char* what;
    const char* before;  // the marker's bytes before the script, nullptr for none
  } kCases[] = {{"a new marker", nullptr}, {"a marker written again", "Active \r\n"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    testing::TempDir dir;
    testing::SmallDisk disk(dir.path() / "disk", "1m");
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
    fs::current_path(dir.path() / "disk");
    testing::WriteFileBytes("job.bat", CrLf({"echo Active > \"0305_FE2b Fighter.aop\""}));
    if (c.before) testing::WriteFileBytes("0305_FE2b Fighter.aop", c.before);
    FillDisk("filler");

    const testing::ProgramRun run = testing::RunBesideTest("vantrel-cmd", "/C job.bat 2>&1");
    EXPECT_EQ(run.status, 1) << run.output;
    if (c.before) {
      EXPECT_EQ(testing::ReadFileBytes("0305_FE2b Fighter.aop"), c.before);
    } else {
      EXPECT_FALSE(fs::exists("0305_FE2b Fighter.aop"));
    }
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(".")) left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    const std::vector<std::string> expected =
        c.before ? std::vector<std::string>{"0305_FE2b Fighter.aop", "filler", "job.bat", "vantrel.lock"}
                 : std::vector<std::string>{"filler", "job.bat", "vantrel.lock"};
    EXPECT_EQ(left, expected) << "a temporary was left behind";
    fs::current_path(dir.path());
  }
}

}  // namespace
}  // namespace vantrel::cmdshell
