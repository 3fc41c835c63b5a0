// vantrel-cli killed while its job waits at a pause: the job's shell keeps the folder, so a
// second job into the same slot waits for the first instead of running beside it.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/process.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// vantrel-cli from beside the test in `work`, its input `in` and its errors `err` (the job's
// console among them), its output dropped.
pid_t StartCli(const fs::path& work, std::vector<std::string> words, int in, int err) {
  const std::string cli = platform::OwnFolder() + "/vantrel-cli";
  words.insert(words.begin(), cli);
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int null = ::open("/dev/null", O_RDWR);
    if (null < 0 || ::chdir(work.c_str()) != 0) ::_exit(126);
    ::dup2(in < 0 ? null : in, 0);
    ::dup2(null, 1);
    ::dup2(err < 0 ? null : err, 2);
    ::execv(cli.c_str(), argv.data());
    ::_exit(127);
  }
  return pid;
}

// Reads `fd` until `text` has come (true) or the writers are gone or 20 seconds have passed.
bool ReadUntil(int fd, const std::string& text, std::string& got) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  char buffer[4096];
  while (got.find(text) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
    pollfd ready{fd, POLLIN, 0};
    if (::poll(&ready, 1, 100) <= 0) continue;
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) return false;
    got.append(buffer, static_cast<std::size_t>(n));
  }
  return got.find(text) != std::string::npos;
}

TEST(KilledFrontEnd, ASecondJobWaitsForTheJobItLeftRunning) {
  TempDir dir;
  samplegame::LaySampleGame("game");
  const fs::path work = dir.path() / "game" / samplegame::kWorkingFolder;
  int input[2];
  int console[2];
  ASSERT_EQ(::pipe2(input, O_CLOEXEC), 0);  // the second job must not keep them open
  ASSERT_EQ(::pipe2(console, O_CLOEXEC), 0);

  const pid_t first = StartCli(work, {"activate", samplegame::kAircraftPatch, "0305"}, input[0], console[1]);
  ::close(input[0]);
  ::close(console[1]);
  std::string said;
  ASSERT_TRUE(ReadUntil(console[0], "Press any key", said)) << said;
  ::kill(first, SIGKILL);
  ::waitpid(first, nullptr, 0);

  const pid_t second = StartCli(work, {"activate", samplegame::kTwoPicturePatch, "0305"}, -1, -1);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  int status = 0;
  const pid_t ended = ::waitpid(second, &status, WNOHANG);
  EXPECT_EQ(ended, 0) << "the second job ran beside the first";

  // The first job's pause answered, it deletes the slot's markers and puts in its own.
  ASSERT_EQ(::write(input[1], "\n", 1), 1);
  ::close(input[1]);
  ReadUntil(console[0], "\xff", said);  // a byte never written: to the end, when the first job's shell is gone
  ::close(console[0]);
  if (ended == 0) {
    ASSERT_EQ(::waitpid(second, &status, 0), second);
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

  std::vector<std::string> markers;
  for (const auto& entry : fs::directory_iterator(work)) {
    if (entry.path().extension() == ".aop") markers.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(markers, std::vector<std::string>{"0305_Camel Views.aop"});
  EXPECT_EQ(testing::ReadFileBytes(work / "03059000.dml"), testing::ReadFileBytes(work / "Camel Views/03119000.dml"));
}

}  // namespace
}  // namespace vantrel
