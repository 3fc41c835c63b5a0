// The working folder's lock while the window runs a job in its panel: no other program's job
// gets into the folder before the job has ended, whether or not the window is still there to
// hold the lock.
#include <QAbstractButton>
#include <QPushButton>
#include <QWidget>

#include <optional>

#include "Unit1/job_panel.h"
#include "job_window_fixture.h"
#include "lock_probe.h"
#include "platform/folder_lock.h"
#include "rbext/run_shell.h"

namespace vantrel::testing {
namespace {

TEST_F(JobWindowTest, AJobAtItsPauseKeepsOtherProgramsOutUntilItHasEnded) {
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0612"));
  ClickButton("v");
  auto* next = Find<QAbstractButton>("JobContinue");
  ASSERT_TRUE(WaitFor([&] { return next->isEnabled(); })) << Console();
  EXPECT_EQ(LockFoundByAnotherProgram(), FolderLockFound::Busy);
  next->click();
  ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
  EXPECT_EQ(Outcome(), "Big Tank is active in " + SlotLine("0612"));
  EXPECT_EQ(LockFoundByAnotherProgram(), FolderLockFound::Free);
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

// The panel's shell is handed the lock the window holds for the job: when the window lets go
// during a pause, as a window that dies does, the folder stays the job's until it ends. A
// shell left to take the lock itself would instead wait for the window and never pause.
TEST_F(JobWindowTest, TheShellKeepsTheFolderOnceTheWindowHasLetGo) {
  temp_.write("game/Simpatch/wait.bat", "@echo off\r\npause\r\necho done> done.txt\r\n");
  JobPlan plan;
  plan.script = "wait.bat";
  QWidget window;
  JobPanel panel(&window, [this](const std::string& text) { messages_.push_back(text); });
  std::optional<platform::FolderLock> windowLock(std::in_place);
  panel.Start(ShellExecutableFor("cmd"), plan, "wait.bat has run");
  ASSERT_TRUE(WaitFor([&] { return panel.continueButton->isEnabled(); })) << FromQt(panel.console->toPlainText());
  windowLock.reset();
  EXPECT_EQ(LockFoundByAnotherProgram(), FolderLockFound::Busy) << "free while the job's shell runs";
  panel.continueButton->click();
  ASSERT_TRUE(WaitFor([&] { return !panel.Busy(); }));
  EXPECT_TRUE(temp_.exists("game/Simpatch/done.txt"));
  EXPECT_EQ(LockFoundByAnotherProgram(), FolderLockFound::Free);
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

}  // namespace
}  // namespace vantrel::testing
