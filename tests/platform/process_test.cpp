#include "platform/process.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <thread>

#include "platform/errors.h"
#include "platform/job_status.h"
#include "scoped_env.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

namespace fs = std::filesystem;
using vantrel::testing::ScopedEnv;
using vantrel::testing::TempDir;


void WriteScript(const TempDir& dir, const std::string& name, const std::string& body) {
  dir.write(name, "#!/bin/sh\n" + body + "\n");
  fs::permissions(dir.path() / name, fs::perms::owner_all);
}

// A detached program runs on its own time: wait for the file it writes.
std::string AwaitFile(const TempDir& dir, const std::string& name) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (dir.exists(name + ".done")) return dir.read(name);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ADD_FAILURE() << name << " was never written";
  return {};
}

void ExpectNoChildLeft() {
  int status = 0;
  errno = 0;
  EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST(StartProgram, ShellExecuteNumbers) {
  TempDir dir;
  ScopedEnv terminal("VANTREL_TERMINAL", "none");
  dir.write("plain.txt", "not a program");
  dir.mkdir("folder");
  dir.write("garbage", "\x7f\x01\x02 no format the kernel knows");
  fs::permissions(dir.path() / "garbage", fs::perms::owner_all);
  EXPECT_EQ(StartProgram("vantrel-no-such-program", {}), 2);
  EXPECT_EQ(StartProgram(".\\missing", {}), 2);
  EXPECT_EQ(StartProgram("nowhere\\program", {}), 3);
  EXPECT_EQ(StartProgram(".\\plain.txt", {}), 5);
  EXPECT_EQ(StartProgram(".\\folder", {}), 5);
  EXPECT_EQ(StartProgram("./garbage", {}), 11);
  EXPECT_GT(StartProgram("true", {}), 32);  // found on PATH
  ExpectNoChildLeft();
}

TEST(StartProgram, RunsDetachedInTheCurrentFolderWithoutATerminal) {
  TempDir dir;
  ScopedEnv terminal("VANTREL_TERMINAL", "none");
  WriteScript(dir, "Job.sh",
              "echo \"$@\" > out.txt; pwd >> out.txt; readlink /proc/$$/fd/0 >> out.txt; "
              "cut -d' ' -f6 /proc/$$/stat >> out.txt; touch out.txt.done");
  EXPECT_GT(StartProgram(".\\JOB.SH", {"/C", "a b"}), 32);
  ExpectNoChildLeft();
  // Arguments, working folder, input from /dev/null, and a session of its own.
  const std::string expected = "/C a b\n" + fs::canonical(dir.path()).string() + "\n/dev/null\n";
  std::string out = AwaitFile(dir, "out.txt");
  ASSERT_EQ(out.substr(0, expected.size()), expected);
  const std::string session = out.substr(expected.size());
  EXPECT_FALSE(session.empty());
  EXPECT_NE(session, std::to_string(::getsid(0)) + "\n");
}

TEST(StartProgram, UsesATerminalWhenADesktopIsThere) {
  TempDir dir;
  WriteScript(dir, "term.sh", "echo \"$@\" > term.txt; touch term.txt.done");
  const std::string terminalPath = (dir.path() / "term.sh").string();
  ScopedEnv display("DISPLAY", ":77");
  ScopedEnv terminal("VANTREL_TERMINAL", terminalPath.c_str());
  EXPECT_GT(StartProgram("/bin/true", {"x", "y"}), 32);
  EXPECT_EQ(AwaitFile(dir, "term.txt"), "-e /bin/true x y\n");
  ExpectNoChildLeft();
}

TEST(StartProgram, NoDesktopMeansNoTerminal) {
  TempDir dir;
  WriteScript(dir, "term.sh", "touch used-terminal");
  WriteScript(dir, "job.sh", "echo ran > job.txt; touch job.txt.done");
  const std::string terminalPath = (dir.path() / "term.sh").string();
  ScopedEnv display("DISPLAY", nullptr);
  ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  ScopedEnv terminal("VANTREL_TERMINAL", terminalPath.c_str());
  EXPECT_GT(StartProgram("./job.sh", {}), 32);
  EXPECT_EQ(AwaitFile(dir, "job.txt"), "ran\n");
  EXPECT_FALSE(dir.exists("used-terminal"));
}

TEST(RunProgramAndWait, CanSendTheProgramsOutputToTheErrorStream) {
  TempDir dir;
  // Our own error stream goes to a file for the length of the run.
  std::fflush(stderr);
  const int saved = ::dup(STDERR_FILENO);
  const int file = ::open("err.txt", O_CREAT | O_WRONLY | O_TRUNC, 0644);
  ASSERT_GE(file, 0);
  ::dup2(file, STDERR_FILENO);
  ::close(file);
  const int status = RunProgramAndWait("sh", {"-c", "echo console"}, ConsoleOutput::ToErrorStream);
  ::dup2(saved, STDERR_FILENO);
  ::close(saved);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(dir.read("err.txt"), "console\n");
}

TEST(RunProgramAndWait, ReturnsTheExitCode) {
  TempDir dir;
  EXPECT_EQ(RunProgramAndWait("sh", {"-c", "exit 7"}), 7);
  EXPECT_EQ(RunProgramAndWait("/bin/sh", {"-c", "echo hi > here.txt"}), 0);
  EXPECT_EQ(dir.read("here.txt"), "hi\n");
  try {
    RunProgramAndWait("vantrel-no-such-program", {});
    ADD_FAILURE() << "a missing program ran";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Cannot run vantrel-no-such-program");
  }
}

TEST(OwnPath, NamesTheRunningTestProgram) {
  const std::string path = OwnPath();
  const std::string folder = OwnFolder();
  EXPECT_EQ(fs::path(path).filename(), "platform_tests");
  EXPECT_EQ(folder + "/platform_tests", path);
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_FALSE(IsNtFamily());
}

// A shell that died without saying so (its terminal window was closed) has ended, badly.
TEST(JobStatus, SaysWhetherTheShellRunsOrHowItEnded) {
  TempDir dir;
  const std::string file = (dir.path() / "job.status").string();
  EXPECT_EQ(ReadJobStatus(file).state, JobStatus::State::NotStarted);
  WriteJobRunning(file);
  EXPECT_EQ(ReadJobStatus(file).state, JobStatus::State::Running);
  EXPECT_EQ(ReadJobStatus(file).value, ::getpid());

  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ASSERT_GT(gone, 0);
  ::waitpid(gone, nullptr, 0);
  WriteJobStatus(file, "running " + std::to_string(gone));
  EXPECT_EQ(ReadJobStatus(file).state, JobStatus::State::Ended);
  EXPECT_EQ(ReadJobStatus(file).value, 1);

  WriteJobEnded(file, 3);
  EXPECT_EQ(ReadJobStatus(file).state, JobStatus::State::Ended);
  EXPECT_EQ(ReadJobStatus(file).value, 3);
  EXPECT_EQ(dir.read("job.status"), "exit 3\n");
  EXPECT_FALSE(dir.exists("job.status.new"));
}

}  // namespace
}  // namespace vantrel::platform
