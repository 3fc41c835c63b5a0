// Scan plus active-list refresh of a large working folder, against a baseline that makes the
// same directory reads and wildcard tests with the system's plain calls: opendir, readdir and
// fnmatch on POSIX, FindFirstFileW and FindNextFileW on Windows (baseline_*.cpp).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "baseline.h"
#include "catalogue/scan.h"
#include "samplegame/sample_game.h"
#include "../verdict.h"

namespace {

using vantrel::bench::Median;

namespace fs = std::filesystem;
using vantrel::bench::BaselineScan;
using vantrel::bench::CpuMs;

template <typename F>
double TimeMs(F&& run) {
  const double start = CpuMs();
  run();
  return CpuMs() - start;
}


}  // namespace

int main() {
  const fs::path root = fs::temp_directory_path() / "vantrel-scan-bench";
  std::printf("CPU time, median of 21 interleaved rounds\n%8s %12s %12s %8s %14s\n", "folders", "vantrel ms", "baseline ms", "ratio", "vantrel us/fold");
  double ratio1024 = 0;
  for (int folders : {128, 256, 512, 1024}) {
    fs::remove_all(root);
    fs::create_directories(root);
    vantrel::samplegame::LayManyPatches(root.string(), folders, 10, 1025, 5000);
    fs::current_path(root);
    vantrel::Catalogue cat;
    // Interleaved rounds, so both see the same cache state and machine load.
    std::vector<double> oursRuns, baseRuns;
    BaselineScan();
    for (int round = 0; round < 21; ++round) {
      oursRuns.push_back(TimeMs([&] { vantrel::ScanPatchFolders(cat); }));
      baseRuns.push_back(TimeMs(BaselineScan));
    }
    const double ours = Median(oursRuns);
    const double base = Median(baseRuns);
    if (cat.objectCount() != folders) {
      std::fprintf(stderr, "scan found %d folders, expected %d\n", cat.objectCount(), folders);
      return 1;
    }
    std::printf("%8d %12.2f %12.2f %8.2f %14.2f\n", folders, ours, base, ours / base, 1000.0 * ours / folders);
    if (folders == 1024) {
      ratio1024 = ours / base;
      vantrel::bench::PrintVerdict("scan, 1,024 folders", vantrel::bench::Figure(ours, "ms"),
                                   vantrel::bench::Figure(base, "ms readdir"), ratio1024, vantrel::bench::Bound::AtMost, 1.3);
    }
    fs::current_path(fs::temp_directory_path());
  }
  fs::remove_all(root);
  std::printf("ratio at 1024 folders: %.2f (target: at most 1.30)\n", ratio1024);
  return 0;
}
