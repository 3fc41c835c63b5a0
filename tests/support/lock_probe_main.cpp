// vantrel-lock-probe WAIT_MS [HELD GO]: takes the current folder's lock as another Vantrel
// program would, waiting up to WAIT_MS milliseconds, and lets it go. Exits with 0 once it has
// had it, 3 when FolderLock refused it as busy, 1 on any other failure, told on standard
// error. With HELD and GO it writes the file HELD once it has the lock and keeps the lock
// until the file GO exists (a minute at most, so that a failed test leaves nothing behind).
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

#include "lock_probe.h"
#include "platform/folder_lock.h"

namespace {

constexpr auto kLongestHold = std::chrono::minutes(1);

void HoldUntil(const char* held, const char* go) {
  std::ofstream(held) << "held\n";
  const auto deadline = std::chrono::steady_clock::now() + kLongestHold;
  while (!std::filesystem::exists(go) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) {
    std::cerr << "Usage: vantrel-lock-probe WAIT_MS [HELD GO]\n";
    return 1;
  }
  try {
    vantrel::platform::FolderLock lock{std::chrono::milliseconds(std::stoi(argv[1]))};
    if (argc == 4) HoldUntil(argv[2], argv[3]);
    return 0;
  } catch (const std::exception& e) {
    if (std::string(e.what()) == vantrel::platform::kFolderBusyText) return vantrel::testing::detail::kLockProbeBusy;
    std::cerr << "vantrel-lock-probe: " << e.what() << '\n';
    return 1;
  }
}
