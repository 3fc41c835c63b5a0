// A vantrel-cli add killed halfway leaves no patch folder, only its hidden temporary, which
// the next add sweeps away before it unpacks the patch whole.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "archive_fixture.h"
#include "platform/process.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 48;

pid_t StartAdd(const std::string& archive) {
  const pid_t child = ::fork();
  if (child == 0) {
    std::freopen("/dev/null", "w", stdout);
    const std::string cli = platform::OwnFolder() + "/vantrel-cli";
    ::execl(cli.c_str(), cli.c_str(), "add", archive.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return child;
}

// The temporary folder of the add, once it holds a file; "" when the add ended first.
fs::path TemporaryWithAFile(pid_t add, const fs::path& work) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(work, ec)) {
      if (entry.path().filename().string().starts_with(".vantrel-") && entry.is_directory(ec) &&
          !fs::is_empty(entry.path(), ec)) {
        return entry.path();
      }
    }
    if (::waitpid(add, nullptr, WNOHANG) == add) return {};
  }
  return {};
}

class InterruptedUnpack : public ::testing::Test, public ArchiveFixture {};

TEST_F(InterruptedUnpack, AKilledAddLeavesNoPatchFolderAndTheNextAddSweepsItsTemporary) {
  std::vector<Entry> entries = {{"Plane/03059000.dml", "shape"}};
  for (int i = 0; i < kFiles; ++i) entries.push_back({"Plane/tex" + std::to_string(i) + ".bmp", Varied(1 << 20, i)});
  const std::string file = Archive("plane", Format::Zip, entries);

  fs::path temporary;
  for (int tries = 0; tries < 5 && temporary.empty(); ++tries) {
    fs::remove_all(Work() / "Plane");
    const pid_t add = StartAdd(file);
    temporary = TemporaryWithAFile(add, Work());
    ::kill(add, SIGKILL);
    int status = 0;
    ::waitpid(add, &status, 0);
  }
  ASSERT_FALSE(temporary.empty()) << "every add ended before it could be killed";

  // Only the lock and the dead add's hidden temporary are there; the scan lists neither.
  std::set<std::string> top;
  for (const auto& entry : fs::directory_iterator(Work())) top.insert(entry.path().filename().string());
  EXPECT_EQ(top, (std::set<std::string>{temporary.filename().string(), "vantrel.lock"}));

  const pid_t again = StartAdd(file);
  int status = 0;
  ::waitpid(again, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_FALSE(fs::exists(temporary));
  for (int i = 0; i < kFiles; ++i) {
    EXPECT_EQ(dir.read("game/Work/Plane/tex" + std::to_string(i) + ".bmp"), entries[static_cast<std::size_t>(i) + 1].bytes);
  }
}

}  // namespace
}  // namespace vantrel::testing
