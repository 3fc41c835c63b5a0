// The real vantrel-cmd program, and the console input it waits on.
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "cmdshell/console.h"
#include "program_run.h"
#include "temp_dir.h"

namespace vantrel::cmdshell {
namespace {

using testing::CrLf;
using testing::ProgramRun;
using testing::RunBesideTest;
using testing::TempDir;

// Runs vantrel-cmd from beside this test program in the current folder, output and errors
// together.
ProgramRun RunProgram(const std::string& arguments) { return RunBesideTest("vantrel-cmd", arguments + " 2>&1"); }

TEST(Program, RunsASelfDeletingScriptToItsPause) {
  TempDir dir;
  dir.write("Big Tank/060E9000.dml", "shape");
  dir.write("061A.bat", CrLf({
                            "echo deleting 061A",
                            "copy \"Big Tank\\060E9000.dml\"  .\\061A9000.dml",
                            "echo Active > \"061A_Big Tank.aop\"",
                            "if exist 061A.bat del 061A.bat",
                            "Pause",
                        }));
  const ProgramRun run = RunProgram("/C 061A.bat");
  EXPECT_FALSE(dir.exists("061A.bat"));
  EXPECT_EQ(dir.read("061A9000.dml"), "shape");
  EXPECT_EQ(dir.read("061A_Big Tank.aop"), "Active \r\n");
  const std::string tail = ">Pause \r\nPress any key to continue . . . ";
  ASSERT_GE(run.output.size(), tail.size());
  EXPECT_EQ(run.output.substr(run.output.size() - tail.size()), tail) << run.output;
  EXPECT_EQ(run.status, 0);  // pause found its input at its end: no failure
}

TEST(Program, TakesArgumentsAndExitsNonZeroOnlyWhenACommandFailed) {
  TempDir dir;
  dir.write("args.bat", CrLf({"@echo %0 [%1] [%2] [%3]> args.txt", "@copy args.txt copy.txt"}));
  const ProgramRun run = RunProgram("/c args.bat one \"two words\"");
  EXPECT_EQ(dir.read("args.txt"), "args.bat [one] [two words] []\r\n");
  EXPECT_EQ(run.output, "        1 file(s) copied.\r\n");
  EXPECT_EQ(run.status, 0);

  dir.write("fail.bat", "copy missing.txt x.txt\nrem LF line ends work too\n");
  EXPECT_EQ(RunProgram("/C fail.bat").status, 1);
}

TEST(Program, SaysInItsStatusFileHowItEnded) {
  TempDir dir;
  dir.write("ok.bat", "echo fine\r\n");
  dir.write("fail.bat", "copy missing.txt x.txt\r\n");
  const struct {
    const char* arguments;
    const char* status;
  } kRuns[] = {{"/C ok.bat", "exit 0\n"}, {"/C fail.bat", "exit 1\n"}, {"/C", "exit 1\n"}};
  for (const auto& run : kRuns) {
    std::filesystem::remove(dir.path() / "job.status");
    const ProgramRun ran = RunProgram(std::string("--status-file job.status ") + run.arguments);
    EXPECT_EQ(dir.read("job.status"), run.status) << run.arguments;
    EXPECT_EQ(ran.status, run.status[5] - '0') << run.arguments;
  }
}

TEST(Program, MissingScriptOrUsage) {
  TempDir dir;
  const ProgramRun missing = RunProgram("/C nothere.bat");
  EXPECT_EQ(missing.output, "The system cannot find the path specified.\r\n");
  EXPECT_EQ(missing.status, 1);
  const ProgramRun usage = RunProgram("job.bat");
  EXPECT_NE(usage.output.find("Usage: vantrel-cmd /C SCRIPT"), std::string::npos);
  EXPECT_EQ(usage.status, 1);
}

TEST(TerminalInput, WaitsForOneKeyWithoutEnterOnATerminal) {
  int master = -1;
  int slave = -1;
  if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) GTEST_SKIP() << "no pseudo-terminal available";
  TerminalInput input(slave);
  auto key = std::async(std::launch::async, [&input] { return input.ReadKey(); });
  ASSERT_EQ(::write(master, "k", 1), 1);
  const bool answered = key.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
  if (!answered) (void)!::write(master, "\n", 1);  // a line-mode read would wait for this
  EXPECT_TRUE(answered) << "the key alone did not end the wait";
  EXPECT_EQ(key.get(), 'k');

  termios after{};
  ASSERT_EQ(::tcgetattr(slave, &after), 0);
  EXPECT_NE(after.c_lflag & ICANON, 0u) << "line mode was not restored";
  EXPECT_NE(after.c_lflag & ECHO, 0u) << "echo was not restored";
  ::close(master);
  ::close(slave);
}

// A pipe is a window answering pauses: one byte is one key. Anything else that is no
// terminal is at its end at once, so a console without a terminal never hangs.
TEST(TerminalInput, APipeGivesItsKeysAnythingElseIsAtItsEndAtOnce) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ASSERT_EQ(::write(fds[1], "y\n", 2), 2);
  TerminalInput piped(fds[0]);
  EXPECT_EQ(piped.ReadKey(), 'y');
  EXPECT_EQ(piped.ReadLine(), std::nullopt);  // no question of del is answered through it
  ::close(fds[1]);
  EXPECT_EQ(piped.ReadKey(), '\n');
  EXPECT_EQ(piped.ReadKey(), std::nullopt);  // the window has gone
  ::close(fds[0]);

  const int nothing = ::open("/dev/null", O_RDONLY);
  TerminalInput empty(nothing);
  EXPECT_EQ(empty.ReadKey(), std::nullopt);
  ::close(nothing);
}

}  // namespace
}  // namespace vantrel::cmdshell
