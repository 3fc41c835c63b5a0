// Two vantrel-cli jobs started at once in one working folder, as separate programs.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempDir;

struct Job {
  const char* folder;
  const char* slot;
  const char* marker;
};
constexpr Job kJobs[] = {{"FE2b Fighter", "0305", "0305_FE2b Fighter.aop"}, {"Big Tank", "0601", "0601_Big Tank.aop"}};

// Starts every job in the background from one shell and waits for all of them; each one's
// exit status and error output land in files outside the working folder.
void RunAtOnce(const fs::path& work, const fs::path& results) {
  const fs::path cli = fs::read_symlink("/proc/self/exe").parent_path() / "vantrel-cli";
  std::string line;
  for (std::size_t i = 0; i < std::size(kJobs); ++i) {
    const std::string out = (results / std::to_string(i)).string();
    line += "('" + cli.string() + "' -C '" + work.string() + "' activate '" + kJobs[i].folder + "' " + kJobs[i].slot +
            " </dev/null >'" + out + ".out' 2>'" + out + ".err'; echo $? >'" + out + ".status') & ";
  }
  line += "wait";
  const int raw = std::system(line.c_str());
  ASSERT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << line;
}

// Each job scans, writes its script, runs it and lists what is active; the other job's
// scan list and scripts never get in its way, and neither gives up waiting.
TEST(ConcurrentJobs, TwoActivationsAtOnceInOneFolderBothComplete) {
  TempDir dir;
  samplegame::LaySampleGame("game");
  const fs::path work = dir.path() / "game" / samplegame::kWorkingFolder;
  for (int round = 0; round < 20; ++round) {
    RunAtOnce(work, dir.path());
    for (std::size_t i = 0; i < std::size(kJobs); ++i) {
      const std::string stem = std::to_string(i);
      EXPECT_EQ(ReadFileBytes(stem + ".status"), "0\n") << "round " << round << ", " << kJobs[i].folder << ": "
                                                        << ReadFileBytes(stem + ".err");
      EXPECT_TRUE(fs::exists(work / kJobs[i].marker)) << "round " << round;
    }
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace vantrel
