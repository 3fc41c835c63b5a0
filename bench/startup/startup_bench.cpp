// From process start to the lists filled, on a working folder of 1024 patch folders and 1025
// markers, offscreen; against an empty Qt window of the same size in the same run.
//   startup_bench [ROUNDS]
// Targets: at most 1.5 x the empty window's time plus the scan's own time, and peak memory at
// most the empty window's plus 15 MB.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/scan.h"
#include "platform/process.h"
#include "samplegame/sample_game.h"
#include "../verdict.h"

namespace {

using vantrel::bench::Median;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kPatchFolders = 1024;
constexpr int kMarkers = 1025;

struct Sample {
  double ms = 0;
  double peakMb = 0;
};


// Runs a program to its end in the current folder; wall time from fork to exit.
Sample RunOnce(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed (status %d)\n", program.c_str(), status);
    std::exit(1);
  }
  return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(), usage.ru_maxrss / 1024.0};
}

// What the first activation asks of the catalogue, without the window.
double ScanMs() {
  vantrel::Catalogue cat;
  const auto start = Clock::now();
  vantrel::ScanPatchFolders(cat);
  for (vantrel::EntryList* list : {&cat.ListBox1, &cat.ListBox2, &cat.ListBox3}) list->SetSorted(true);
  cat.ListBox1.LoadFromFile(vantrel::kScanListFile);
  vantrel::FillDestinationSlots(cat);
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
  std::vector<double> ms, mb;
  void Add(const Sample& s) {
    ms.push_back(s.ms);
    mb.push_back(s.peakMb);
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("VANTREL_TERMINAL", "none", 1);
  const fs::path root = fs::temp_directory_path() / "vantrel-startup-bench";
  fs::remove_all(root);
  if (!std::getenv("XDG_RUNTIME_DIR")) setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
  // The window comes up at its reference place, not where the user last left a real one.
  setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
  const fs::path work = root / "work";
  vantrel::samplegame::LayManyPatches(work.string(), kPatchFolders, 10, kMarkers, 0);
  fs::current_path(work);

  const std::string bin = vantrel::platform::OwnFolder() + "/";
  const std::string window = bin + "startup_window_until_filled";
  const std::string empty = bin + "startup_empty_window";
  const std::vector<std::string> expected{std::to_string(kPatchFolders), std::to_string(kMarkers)};

  // One unmeasured round of each warms the caches; then the two alternate.
  RunOnce(empty, {});
  RunOnce(window, expected);
  ScanMs();
  Figures base, full;
  std::vector<double> scan;
  for (int i = 0; i < rounds; ++i) {
    base.Add(RunOnce(empty, {}));
    full.Add(RunOnce(window, expected));
    scan.push_back(ScanMs());
  }

  const double baseMs = Median(base.ms), fullMs = Median(full.ms), scanMs = Median(scan);
  const double baseMb = Median(base.mb), fullMb = Median(full.mb);
  const double timeLimit = 1.5 * baseMs + scanMs;
  std::printf("%d patch folders, %d markers, %d rounds (medians)\n", kPatchFolders, kMarkers, rounds);
  std::printf("%-26s %10s %12s\n", "", "time ms", "peak RSS MB");
  std::printf("%-26s %10.1f %12.1f\n", "empty Qt window", baseMs, baseMb);
  std::printf("%-26s %10.1f %12.1f\n", "vantrel, lists filled", fullMs, fullMb);
  std::printf("%-26s %10.1f\n", "scan alone (in process)", scanMs);
  std::printf("time:   %.2f x the empty window; limit 1.5 x %.1f + %.1f = %.1f ms: %s\n", fullMs / baseMs, baseMs,
              scanMs, timeLimit, fullMs <= timeLimit ? "within" : "OVER");
  std::printf("memory: %.2f x the empty window, +%.1f MB; limit +15 MB: %s\n", fullMb / baseMb, fullMb - baseMb,
              fullMb - baseMb <= 15 ? "within" : "OVER");
  // Both limits as ratios to their baselines: the time against 1.5 x the empty window plus
  // the scan, the memory against the empty window's plus 15 MB.
  vantrel::bench::PrintVerdict("start-up, time", vantrel::bench::Figure(fullMs, "ms"), vantrel::bench::Figure(timeLimit, "ms limit"),
                               fullMs / timeLimit, vantrel::bench::Bound::AtMost, 1.0);
  vantrel::bench::PrintVerdict("start-up, memory", vantrel::bench::Figure(fullMb, "MB"), vantrel::bench::Figure(baseMb + 15, "MB limit"),
                               fullMb / (baseMb + 15), vantrel::bench::Bound::AtMost, 1.0);
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(root);
  return 0;
}
