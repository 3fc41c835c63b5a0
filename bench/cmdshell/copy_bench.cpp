// A large archive copied by a one-line job script run by vantrel-cmd, against cp of the same
// file in the same run. Runs alternate and each starts with the page cache flushed of dirty
// pages, so neither side pays for the other's writes.
#include <algorithm>
#include <vector>

#include "bench_support.h"
#include "../verdict.h"

using namespace vantrel::bench;

int main(int argc, char** argv) {
  const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 512;
  constexpr int kRounds = 5;
  const fs::path folder = ScratchFolder("vantrel-copy-bench");
  WriteArchive(folder / "rb.vol", megabytes);
  WriteText(folder / "copy.bat", "copy rb.vol out\\rb.vol\r\n");
  fs::create_directories(folder / "out");
  const std::string shell = "'" + ShellProgram().string() + "' /C copy.bat >/dev/null";
  const std::string target = (folder / "out/rb.vol").string();

  const double mb = static_cast<double>(megabytes);
  std::printf("copy of a %zu MB archive, %d rounds each, alternating (best / median):\n", megabytes, kRounds);
  // A new target, and one that is there already (the copy then replaces it whole at once).
  for (bool replacing : {false, true}) {
    std::vector<double> cmd;
    std::vector<double> cp;
    for (int round = 0; round < kRounds; ++round) {
      if (!replacing) fs::remove(target);
      std::system("sync");
      cp.push_back(TimedSeconds(folder, "cp rb.vol out/rb.vol"));
      if (!replacing) fs::remove(target);
      std::system("sync");
      cmd.push_back(TimedSeconds(folder, shell));
      if (fs::file_size(target) != megabytes << 20) {
        std::fprintf(stderr, "vantrel-cmd left a copy of the wrong size\n");
        return 1;
      }
    }
    std::sort(cmd.begin(), cmd.end());
    std::sort(cp.begin(), cp.end());
    std::printf(" %s target:\n", replacing ? "existing" : "new");
    std::printf("  cp           %7.0f / %7.0f MB/s\n", mb / cp.front(), mb / cp[kRounds / 2]);
    std::printf("  vantrel-cmd  %7.0f / %7.0f MB/s\n", mb / cmd.front(), mb / cmd[kRounds / 2]);
    std::printf("  ratio vantrel-cmd / cp: %.2f best, %.2f median (target >= 0.9)\n", cp.front() / cmd.front(),
                cp[kRounds / 2] / cmd[kRounds / 2]);
    PrintVerdict(std::string("vantrel-cmd copy, ") + (replacing ? "existing" : "new") + " target",
                 Figure(mb / cmd[kRounds / 2], "MB/s"), Figure(mb / cp[kRounds / 2], "MB/s cp"),
                 cp[kRounds / 2] / cmd[kRounds / 2], Bound::AtLeast, 0.9);
  }
  fs::remove_all(folder);
  return 0;
}
