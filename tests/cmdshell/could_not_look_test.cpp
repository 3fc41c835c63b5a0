// The real vantrel-cmd when a look at the disk fails: an I/O error while it lists a folder
// or tests a name is a failed command, never a name that is not there; and a pipe where a
// file is expected is refused at once, never waited on.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "failing_calls.h"
#include "program_run.h"
#include "temp_dir.h"

namespace vantrel::cmdshell {
namespace {

using testing::CrLf;
using testing::FailingCallsCommand;
using testing::ProgramRun;
using testing::RunBesideTest;
using testing::TempDir;

struct StruckLook {
  const char* line;
  const char* calls;   // struck with EIO
  const char* path;    // where they touch it
};

// The shape lies in a folder of its own: the job shell lists the working folder itself as it
// takes the folder's lock, before the first line.
TEST(CouldNotLook, AFailedLookFailsTheScript) {
  if (const std::string why = testing::WhyStraceCannotStrike(); !why.empty()) GTEST_SKIP() << why;
  const StruckLook kLooks[] = {
      {"del shapes\\*.dml", "getdents64", "shapes"},
      {"del shapes\\060E9000.DML", "getdents64", "shapes"},
      {"if not exist shapes\\060e9000.dml echo none> shapes\\060e9000.dml", "newfstatat,statx", "shapes/060e9000.dml"},
      {"if exist shapes\\060e9000.dml del shapes\\060e9000.dml", "newfstatat,statx", "shapes/060e9000.dml"},
  };
  for (const StruckLook& look : kLooks) {
    SCOPED_TRACE(look.line);
    TempDir dir;
    dir.write("shapes/060e9000.dml", "shape");
    dir.write("job.bat", CrLf({look.line}));
    const ProgramRun run = RunBesideTest("vantrel-cmd", "/C job.bat 2>&1", FailingCallsCommand(look.calls, look.path));
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("1 line of job.bat failed"), std::string::npos) << run.output;
    EXPECT_EQ(dir.read("shapes/060e9000.dml"), "shape");
  }
}

TEST(OnlyRegularFilesAreRead, APipeIsRefusedAtOnce) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir.path() / "rb.vol").c_str(), 0666), 0);
  ASSERT_EQ(::mkfifo((dir.path() / "pipe.bat").c_str(), 0666), 0);
  dir.write("job.bat", CrLf({"copy rb.vol rb.vol.orig"}));
  // timeout ends a vantrel-cmd that waits on the pipe with 124.
  const ProgramRun copy = RunBesideTest("vantrel-cmd", "/C job.bat 2>&1", "timeout 10");
  EXPECT_EQ(copy.status, 1) << copy.output;
  EXPECT_NE(copy.output.find("Access is denied."), std::string::npos) << copy.output;
  EXPECT_FALSE(dir.exists("rb.vol.orig"));
  const ProgramRun script = RunBesideTest("vantrel-cmd", "/C pipe.bat 2>&1", "timeout 10");
  EXPECT_EQ(script.status, 1) << script.output;
  EXPECT_NE(script.output.find("Access is denied."), std::string::npos) << script.output;
}

}  // namespace
}  // namespace vantrel::cmdshell
