// Two vantrel-cli jobs started at once in one working folder, as separate programs.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/process.h"
#include "platform/running_program.h"
#include "quiet_shell.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

struct Job {
  const char* folder;
  const char* slot;
  const char* marker;
};
constexpr Job kJobs[] = {{"FE2b Fighter", "0305", "0305_FE2b Fighter.aop"}, {"Big Tank", "0601", "0601_Big Tank.aop"}};
// Enough rounds for the jobs' scans, scripts and runs to overlap in many ways.
constexpr int kRounds = 20;

// Starts every job at once and waits for all of them; their exit codes, in order. Their
// consoles go to our error stream, so that a failure shows what the job said.
std::vector<int> RunAtOnce(const fs::path& work) {
  const std::string cli = (fs::path(platform::OwnFolder()) / "vantrel-cli").string();
  std::vector<platform::RunningProgram> running;
  for (const Job& job : kJobs) {
    running.emplace_back(cli, std::vector<std::string>{"-C", work.string(), "activate", job.folder, job.slot},
                         platform::ProgramConsole::ThisTerminal, platform::ConsoleOutput::ToErrorStream);
  }
  std::vector<int> codes;
  for (platform::RunningProgram& program : running) codes.push_back(program.Started() ? program.Wait() : -1);
  return codes;
}

// Each job scans, writes its script, runs it and lists what is active; the other job's
// scan list and scripts never get in its way, and neither gives up waiting.
TEST(ConcurrentJobs, TwoActivationsAtOnceInOneFolderBothComplete) {
  TempDir dir;
  testing::KeepShellsOffTerminals();  // the jobs take our input
  samplegame::LaySampleGame("game");
  const fs::path work = dir.path() / "game" / samplegame::kWorkingFolder;
  for (int round = 0; round < kRounds; ++round) {
    const std::vector<int> codes = RunAtOnce(work);
    for (std::size_t i = 0; i < std::size(kJobs); ++i) {
      EXPECT_EQ(codes[i], 0) << "round " << round << ", " << kJobs[i].folder;
      EXPECT_TRUE(fs::exists(work / kJobs[i].marker)) << "round " << round;
    }
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace vantrel
