// Jobs whose looks at the disk fail, run by the real programs on the sample game: an I/O
// error while a folder is listed or a file's existence is tested fails the job, which then
// leaves no marker, where taking it for "not there" had installed nothing or restored
// nothing and reported success; and a pipe where the job reads a file fails it at once,
// where it had held the job and the folder's lock forever. POSIX's: strace strikes the
// calls, and Windows has no pipes in its folders.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "failing_calls.h"
#include "fault_programs.h"
#include "game_snapshot.h"
#include "temp_dir.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;

// vantrel-cli ARGS run in the working folder, with `calls` failing wherever they touch `path`.
ProgramResult StruckCli(const FaultGame& game, const char* calls, const fs::path& path,
                        const std::vector<std::string>& args) {
  return RunOursUnder(FailingCalls(calls, path), "vantrel-cli", args, game.Work());
}

TEST(FailedLook, AJobWhoseLookFailsFailsAndLeavesNoMarker) {
  if (const std::string why = WhyStraceCannotStrike(); !why.empty()) GTEST_SKIP() << why;
  struct Case {
    const char* what;
    const char* calls;
    const char* path;  // absolute below the working folder, or as the program writes it
    bool absolute;
    std::vector<std::string> args;
    const char* named;
  };
  const Case cases[] = {
      {"listing the patch folder", "getdents64", "FE2b Fighter", true, {"activate", "FE2b Fighter", "0305"},
       "FE2b Fighter"},
      {"a stock model file's state", "newfstatat,statx", "vantrel-files/fmparams.dat", false,
       {"activate", "FE2b Fighter", "0305", "--fm", "S"}, "fmparams.dat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    FaultGame game(dir.path());
    const Snapshot original = game.Files();
    const fs::path path = c.absolute ? game.Work() / c.path : fs::path(c.path);
    const ProgramResult run = StruckCli(game, c.calls, path, c.args);
    EXPECT_EQ(run.status, 1) << run.errors;
    EXPECT_TRUE(Shows(run.errors, c.named)) << run.errors;
    // Nothing of the game changes; a script is placed only once the whole job is ready.
    std::set<std::string> mayChange = kBookkeeping;
    mayChange.insert("Simpatch/0305.bat");
    ExpectSameFiles(original, game.Files(), mayChange);
  }
}

// The removal puts back the records its install replaced, reading the working copy.
TEST(FailedLook, ARemovalWhoseModelFileCannotBeLookedAtKeepsThePatchActive) {
  if (const std::string why = WhyStraceCannotStrike(); !why.empty()) GTEST_SKIP() << why;
  TempDir dir;
  FaultGame game(dir.path());
  const auto [installed, installErrors] = game.Cli({"activate", "FE2b Fighter", "0305", "--fm", "S"});
  ASSERT_EQ(installed, 0) << installErrors;
  const Snapshot active = game.Files();
  const ProgramResult run =
      StruckCli(game, "newfstatat,statx", "fmparams.dat", {"deactivate", "0305_FE2b Fighter"});
  EXPECT_EQ(run.status, 1) << run.errors;
  EXPECT_TRUE(Shows(run.errors, "fmparams.dat")) << run.errors;
  const Snapshot after = game.Files();
  EXPECT_EQ(after.count(kAircraftMarker), 1u);
  EXPECT_EQ(after.at("Simpatch/fmparams.dat"), active.at("Simpatch/fmparams.dat"));
}

TEST(PipeForAFile, AJobThatWouldReadAPipeFailsAtOnce) {
  struct Case {
    const char* pipe;  // below the game folder
    std::vector<std::string> args;
    const char* marker;
  };
  const Case cases[] = {
      {"Simpatch/FE2b Fighter/031F9000.dts", {"activate", "FE2b Fighter", "0305"}, kAircraftMarker},
      {"rb.vol", {"activate", "SpringMaps", "0305"}, kVolumeMarker},
      {"Simpatch/vantrel-files/fmparams.dat", {"activate", "FE2b Fighter", "0305", "--fm", "S"}, kAircraftMarker},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pipe);
    TempDir dir;
    FaultGame game(dir.path());
    const fs::path pipe = game.Game() / c.pipe;
    fs::remove(pipe);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    // timeout ends a job that waits on the pipe with 124.
    const ProgramResult run = RunOursUnder({"/usr/bin/timeout", "30"}, "vantrel-cli", c.args, game.Work());
    EXPECT_EQ(run.status, 1) << run.errors;
    EXPECT_EQ(game.Files().count(c.marker), 0u);
    EXPECT_TRUE(fs::is_fifo(pipe));
  }
}

}  // namespace
}  // namespace vantrel::testing
