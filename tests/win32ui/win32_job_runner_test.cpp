// The Win32 window's job runner with real job scripts in Windows' own cmd (Wine's here):
// the job's end learnt by polling, its outcome checked on disk, told and logged.
#include "win32ui/win32_job_runner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include "lock_probe.h"
#include "platform/folder_lock.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using vantrel::testing::TempDir;

constexpr const char* kInstalled = "The patch is installed.";

// A job script that puts the patch's file in place and leaves its marker, as an install does.
constexpr const char* kInstall =
    "@echo off\r\n"
    "copy /y Patch\\rb.vol rb.vol > nul\r\n"
    "echo 0301> 0301.mrk\r\n";

JobPlan Plan(const char* script, std::vector<PlannedCopy> copies, const char* marker, const char* removedMarkers) {
  JobPlan plan;
  plan.script = script;
  plan.copies = std::move(copies);
  plan.marker = marker;
  plan.removedMarkers = removedMarkers;
  return plan;
}

JobPlan InstallPlan() { return Plan("0301.bat", {{"Patch\\rb.vol", "rb.vol"}}, "0301.mrk", ""); }

class Win32JobRunnerTest : public ::testing::Test {
 protected:
  Win32JobRunnerTest() {
    dir_.mkdir("vantrel-files");
    dir_.mkdir("Patch");
    dir_.write("Patch/rb.vol", "new volume");
    dir_.write("rb.vol", "stock volume");
  }

  Win32JobRunner::Hooks Hooks() {
    return {[this](const std::string& text) { shown_.push_back(text); },
            [this](const std::string& line) { outcomes_.push_back(line); }, [this] { ++ended_; }};
  }

  // Polls as the window's timer would, until `jobs` jobs in all have been told to have ended.
  void PollUntilEnded(Win32JobRunner& runner, int jobs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (ended_ < jobs && std::chrono::steady_clock::now() < deadline) {
      runner.Poll();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_EQ(ended_, jobs) << "the job did not end";
  }

  std::string Log() const { return dir_.read("vantrel-files/vantrel-jobs.log"); }

  TempDir dir_;
  std::vector<std::string> shown_;
  std::vector<std::string> outcomes_;
  int ended_ = 0;
};

TEST_F(Win32JobRunnerTest, ACompleteJobIsToldWithItsSuccessLineAndLogged) {
  dir_.write("0301.bat", kInstall);
  Win32JobRunner runner(Hooks());
  runner.Start("cmd", InstallPlan(), kInstalled);
  EXPECT_TRUE(runner.Busy());
  PollUntilEnded(runner, 1);
  EXPECT_FALSE(runner.Busy());

  EXPECT_EQ(dir_.read("rb.vol"), "new volume");
  EXPECT_TRUE(dir_.exists("0301.mrk"));
  EXPECT_EQ(outcomes_, (std::vector<std::string>{"Running 0301.bat ...", kInstalled}));
  EXPECT_EQ(ended_, 1);
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(runner.LastFailure(), std::nullopt) << "no box for the window";
  const std::string log = Log();
  EXPECT_NE(log.find("0301.bat\r\n--- script\r\n" + std::string(kInstall)), std::string::npos) << log;
  EXPECT_NE(log.find("--- console\r\n(the job's console was a window of its own)\n"), std::string::npos) << log;
  EXPECT_NE(log.find(std::string("--- outcome\r\n") + kInstalled + "\r\n"), std::string::npos) << log;
}

// The shell's exit code and the files on disk both count: a copy that did not happen leaves
// the patch unlisted, its marker deleted, whatever the script claimed.
TEST_F(Win32JobRunnerTest, AJobThatDidNotPutItsFileInPlaceIsToldAndItsMarkerDeleted) {
  const struct {
    const char* what;
    const char* script;
    const char* outcome;
    bool markerKept;  // only a target not in place costs the marker
  } cases[] = {
      {"copy of a missing source, exit 0",
       "@echo off\r\ncopy /y Patch\\gone.vol rb.vol > nul\r\necho 0301> 0301.mrk\r\nexit /b 0\r\n",
       "The patch was not installed: not in place after 0301.bat: rb.vol. It is not listed as active.", false},
      {"files in place, exit 1", "@echo off\r\ncopy /y Patch\\rb.vol rb.vol > nul\r\necho 0301> 0301.mrk\r\nexit /b 1\r\n",
       "0301.bat reported failed commands; the job did not do all its work.", true},
  };
  int jobs = 0;
  for (const auto& c : cases) {
    dir_.write("rb.vol", "stock volume");
    dir_.write("0301.bat", c.script);
    outcomes_.clear();
    Win32JobRunner runner(Hooks());
    runner.Start("cmd", InstallPlan(), kInstalled);
    PollUntilEnded(runner, ++jobs);
    ASSERT_EQ(outcomes_.size(), 2u) << c.what;
    EXPECT_EQ(outcomes_[1], c.outcome) << c.what;
    // What the window's box then tells, from the line on.
    ASSERT_TRUE(runner.LastFailure()) << c.what;
    EXPECT_TRUE(runner.LastFailure()->starts_with(c.outcome)) << *runner.LastFailure();
    EXPECT_NE(Log().find(std::string("--- outcome\r\n") + c.outcome), std::string::npos) << c.what;
    EXPECT_EQ(dir_.exists("0301.mrk"), c.markerKept) << c.what;
  }
  EXPECT_EQ(ended_, 2);
}

// The user gets one box, the window's for the failed job: why the shell did not start, then
// what the job left undone.
TEST_F(Win32JobRunnerTest, AShellThatCannotStartIsToldInTheJobsOneBoxAndTheJobEnds) {
  dir_.write("0301.bat", kInstall);
  Win32JobRunner runner(Hooks());
  runner.Start("vantrel-no-such-shell.exe", InstallPlan(), kInstalled);
  EXPECT_FALSE(runner.Busy());
  EXPECT_TRUE(shown_.empty()) << shown_.front();
  const std::string notInPlace = "The patch was not installed: not in place after 0301.bat: rb.vol. It is not listed as active.";
  ASSERT_EQ(outcomes_.size(), 2u);
  EXPECT_EQ(outcomes_[1], notInPlace);
  EXPECT_EQ(ended_, 1);
  ASSERT_TRUE(runner.LastFailure());
  EXPECT_TRUE(runner.LastFailure()->starts_with("Error #2 executing vantrel-no-such-shell.exe /C 0301.bat\n\n" + notInPlace))
      << *runner.LastFailure();
  EXPECT_NE(Log().find("Error #2 executing vantrel-no-such-shell.exe /C 0301.bat"), std::string::npos) << Log();
  EXPECT_EQ(dir_.read("rb.vol"), "stock volume");
}

// Poll never waits for the job: the window's loop goes on while the job waits here for a
// file, and requests asked for meanwhile run once it has ended, in the order asked.
TEST_F(Win32JobRunnerTest, PollDoesNotWaitAndWaitingRequestsRunInOrderAfterTheJob) {
  dir_.write("0301.bat", std::string(":wait\r\nif not exist go.txt goto wait\r\n") + kInstall);
  Win32JobRunner runner(Hooks());
  std::vector<std::string> ran;
  runner.WhenIdle([&] { ran.push_back("before"); });  // idle: runs at once
  EXPECT_EQ(ran, std::vector<std::string>{"before"});

  runner.Start("cmd", InstallPlan(), kInstalled);
  runner.WhenIdle([&] {
    EXPECT_EQ(ended_, 1) << "a request ran before the job was told to have ended";
    ran.push_back("first");
  });
  runner.WhenIdle([&] { ran.push_back("second"); });
  // What the presenter says of a job put off goes to the outcome line, until the job's end.
  runner.ShowOutcome("Removing 0305_Camel Views waits for the running job.");
  EXPECT_EQ(outcomes_.back(), "Removing 0305_Camel Views waits for the running job.");
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 10; ++i) runner.Poll();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_TRUE(runner.Busy());
  EXPECT_EQ(ran, std::vector<std::string>{"before"});
  EXPECT_EQ(ended_, 0);

  dir_.write("go.txt", "");
  PollUntilEnded(runner, 1);
  EXPECT_EQ(ran, (std::vector<std::string>{"before", "first", "second"}));
  EXPECT_EQ(outcomes_.back(), kInstalled);
}

// A request that starts the next job keeps the later ones waiting for that job.
TEST_F(Win32JobRunnerTest, ARequestThatStartsAJobKeepsTheRestWaiting) {
  dir_.write("0301.bat", kInstall);
  Win32JobRunner runner(Hooks());
  std::vector<std::string> ran;
  runner.Start("cmd", InstallPlan(), kInstalled);
  runner.WhenIdle([&] {
    ran.push_back("next job");
    dir_.write("0302.bat", "@echo off\r\nexit /b 0\r\n");
    runner.Start("cmd", Plan("0302.bat", {}, "", "0302.mrk"), "Removed.");
  });
  runner.WhenIdle([&] { ran.push_back("after both"); });
  PollUntilEnded(runner, 1);
  EXPECT_EQ(ran, std::vector<std::string>{"next job"});
  EXPECT_TRUE(runner.Busy());
  PollUntilEnded(runner, 2);
  EXPECT_EQ(ran, (std::vector<std::string>{"next job", "after both"}));
  EXPECT_EQ(outcomes_.back(), "Removed.");
  EXPECT_EQ(ended_, 2);
}

// The lock the window holds for the job goes with the job's cmd: once the window has gone, its
// runner and its lock with it, the folder stays the job's until cmd ends.
TEST_F(Win32JobRunnerTest, TheJobsCmdKeepsTheFolderOnceTheWindowHasGone) {
  dir_.write("0301.bat", std::string(":wait\r\nif not exist go.txt goto wait\r\n") + kInstall);
  {
    platform::FolderLock windowLock;
    Win32JobRunner runner(Hooks());
    runner.Start("cmd", InstallPlan(), kInstalled);
    ASSERT_TRUE(runner.Busy());
  }
  EXPECT_EQ(testing::LockFoundByAnotherProgram(), testing::FolderLockFound::Busy) << "free while the job's cmd runs";
  dir_.write("go.txt", "");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  testing::FolderLockFound found;
  while ((found = testing::LockFoundByAnotherProgram()) == testing::FolderLockFound::Busy &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_EQ(found, testing::FolderLockFound::Free) << "still held once the job's cmd has ended";
  EXPECT_EQ(dir_.read("rb.vol"), "new volume");
}

}  // namespace
}  // namespace vantrel
