// The working folder's lock around the window's jobs: held from before a job is prepared until
// its outcome has been logged, so that no other program's job runs in the folder meanwhile, a
// short wait for it on the window's thread, and the folder free again however a job's handler
// ends.
#include <chrono>
#include <filesystem>
#include <map>

#include "lock_probe.h"
#include "platform/folder_lock.h"
#include "presenter_fixture.h"

namespace vantrel::testing {
namespace {

using Texts = std::vector<std::string>;

struct JobButton {
  Control button;
  const char* script;
};
constexpr JobButton kJobButtons[] = {{Control::v, "0612.bat"}, {Control::Button4, "0601.bat"}};

class JobLockPresenterTest : public PresenterTest {
 protected:
  void SetUp() override {
    temp_.write("game/Simpatch/0601_Big Tank.aop", "Active\r\n");
    PresenterTest::SetUp();
  }
  // What both buttons' jobs are for: Big Tank into slot 0612, and out of slot 0601.
  void PickForJobs() {
    Pick(Control::ListBox1, "060E Big Tank");
    Pick(Control::ListBox2, SlotLine("0612"));
    Pick(Control::ListBox3, "0601_Big Tank");
  }
  // Every file under the working folder with its bytes, hidden ones and the ledger's included.
  std::map<std::filesystem::path, std::string> WorkingTree() const {
    std::map<std::filesystem::path, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Work())) {
      if (entry.is_regular_file()) files[entry.path()] = ReadFileBytes(entry.path());
    }
    return files;
  }
};

TEST_F(JobLockPresenterTest, AJobKeepsOtherProgramsOutOfTheFolderUntilItHasEnded) {
  for (const JobButton& job : kJobButtons) {
    SCOPED_TRACE(job.script);
    PickForJobs();
    presenter_->Clicked(job.button);
    ASSERT_TRUE(jobs_.Busy());
    EXPECT_EQ(LockFoundByAnotherProgram(), FolderLockFound::Busy) << "while the job runs";
    jobs_.End();
    EXPECT_TRUE(jobs_.outcomes.back().Complete()) << "the job's shell was kept waiting";
    EXPECT_EQ(LockFoundByAnotherProgram(), FolderLockFound::Free) << "once the job has ended";
  }
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// A shell that takes the lock itself would wait for the window while the window waits for it.
TEST_F(JobLockPresenterTest, AShellThatIsNotHandedTheLockFindsTheFolderFree) {
  jobs_.handsOverLock = false;
  PickForJobs();
  presenter_->Clicked(Control::v);
  ASSERT_TRUE(jobs_.Busy());
  EXPECT_EQ(LockFoundByAnotherProgram(), FolderLockFound::Free);
  jobs_.End();
  EXPECT_TRUE(jobs_.outcomes.back().Complete());
}

// Refused within a few seconds, not the minute a command line waits, with nothing written:
// no script, no ledger entry, no game file moved aside.
TEST_F(JobLockPresenterTest, AJobIsRefusedUnpreparedWhileAnotherProgramHoldsTheFolder) {
  for (const JobButton& job : kJobButtons) {
    SCOPED_TRACE(job.script);
    PickForJobs();
    const auto before = WorkingTree();
    const std::string caption = view_.Text(job.button);
    view_.messages.clear();
    {
      LockHeldElsewhere other(temp_.path());
      ASSERT_TRUE(other.Held());
      const auto start = std::chrono::steady_clock::now();
      presenter_->Clicked(job.button);
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    }
    EXPECT_EQ(view_.messages, Texts{platform::kFolderBusyText});
    EXPECT_TRUE(jobs_.started.empty());
    EXPECT_EQ(WorkingTree(), before);
    EXPECT_EQ(view_.Text(job.button), caption);
    EXPECT_EQ(LockFoundByAnotherProgram(), FolderLockFound::Free);
  }
  PickForJobs();
  presenter_->Clicked(Control::v);
  EXPECT_EQ(jobs_.started.size(), 1u) << "refused once the other program had ended";
}

// However a job's handler ends without a running job, the folder is not kept.
TEST_F(JobLockPresenterTest, AJobThatFailsOrCannotStartLeavesTheFolderFree) {
  const struct {
    const char* what;
    bool shellMissing;
    const char* message;
  } kFailures[] = {
      {"script not written", false, "File access denied"},
      {"shell missing", true, ""},  // the runner tells it
  };
  for (const auto& failure : kFailures) {
    // A folder where each script goes is refused even for root.
    std::filesystem::remove_all(Work() / "0612.bat");
    std::filesystem::remove_all(Work() / "0601.bat");
    if (!failure.shellMissing) {
      temp_.mkdir("game/Simpatch/0612.bat");
      temp_.mkdir("game/Simpatch/0601.bat");
    }
    jobs_.shellMissing = failure.shellMissing;
    for (const JobButton& job : kJobButtons) {
      SCOPED_TRACE(std::string(failure.what) + ", " + job.script);
      PickForJobs();
      view_.messages.clear();
      presenter_->Clicked(job.button);
      EXPECT_FALSE(jobs_.Busy());
      ASSERT_EQ(view_.messages.size(), *failure.message ? 1u : 0u);
      if (*failure.message) {
        EXPECT_TRUE(view_.messages[0].starts_with(failure.message)) << view_.messages[0];
      }
      EXPECT_EQ(LockFoundByAnotherProgram(), FolderLockFound::Free);
    }
  }
}

}  // namespace
}  // namespace vantrel::testing
