// Scan plus active-list refresh of a large working folder, against a baseline that makes the
// same directory reads and wildcard tests with plain opendir/readdir/fnmatch.
#include <dirent.h>
#include <fnmatch.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue/scan.h"
#include "samplegame/sample_game.h"

namespace {

namespace fs = std::filesystem;

// What the scan does, with the C library alone: one read of the working folder for patch
// folders, one read of each subfolder for its shape file, the scan list, one read for markers.
void BaselineScan() {
  std::vector<std::pair<std::string, std::string>> table;
  if (DIR* top = opendir(".")) {
    while (dirent* e = readdir(top)) {
      if (e->d_name[0] == '.' || e->d_type != DT_DIR) continue;
      if (DIR* sub = opendir(e->d_name)) {
        while (dirent* f = readdir(sub)) {
          if (f->d_type == DT_REG && fnmatch("????9000.dml", f->d_name, FNM_CASEFOLD) == 0) {
            table.emplace_back(std::string(f->d_name, 4), e->d_name);
            break;
          }
        }
        closedir(sub);
      }
      if (table.size() == 1024) break;
    }
    closedir(top);
  }
  {
    std::ofstream out("vantrel.scan.tmp", std::ios::binary | std::ios::trunc);
    for (const auto& [code, folder] : table) out << code << ' ' << folder << "\r\n";
  }
  std::vector<std::string> active;
  if (DIR* top = opendir(".")) {
    while (dirent* e = readdir(top)) {
      if (e->d_name[0] != '.' && e->d_type == DT_REG && fnmatch("*.aop", e->d_name, FNM_CASEFOLD) == 0) {
        std::string name = e->d_name;
        active.push_back(name.substr(0, name.size() - 4));
        if (active.size() == 1025) break;
      }
    }
    closedir(top);
  }
}

// CPU time of this process (user and system): other work on the machine does not count.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <typename F>
double TimeMs(F&& run) {
  const double start = CpuMs();
  run();
  return CpuMs() - start;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
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
    if (folders == 1024) ratio1024 = ours / base;
    fs::current_path(fs::temp_directory_path());
  }
  fs::remove_all(root);
  std::printf("ratio at 1024 folders: %.2f (target: at most 1.30)\n", ratio1024);
  return 0;
}
