// 500 copy lines and 500 del lines run by vantrel-cmd in a working folder that also holds N
// other files, against the same operations as a sh script of cp and rm. Two kinds of del
// line: exact names, which must not read the folder, and one-file wildcard patterns as the
// job scripts write them ("del 0601????.dml"), which read it as sh's glob does.
#include <algorithm>
#include <cstring>
#include <vector>

#include "bench_support.h"
#include "../verdict.h"

namespace {

using namespace vantrel::bench;

constexpr int kFiles = 500;
constexpr int kRounds = 3;

struct Scripts {
  std::string batch;
  std::string sh;
};

Scripts MakeScripts(bool wildcards) {
  Scripts s;
  char line[160];
  for (int i = 0; i < kFiles; ++i) {
    std::snprintf(line, sizeof line, "copy Pat\\P%03d.dml .\\T%03d9000.dml\r\n", i, i);
    s.batch += line;
    std::snprintf(line, sizeof line, "cp Pat/P%03d.dml ./T%03d9000.dml\n", i, i);
    s.sh += line;
  }
  for (int i = 0; i < kFiles; ++i) {
    std::snprintf(line, sizeof line, wildcards ? "del T%03d????.dml\r\n" : "del T%03d9000.dml\r\n", i);
    s.batch += line;
    std::snprintf(line, sizeof line, wildcards ? "rm T%03d????.dml\n" : "rm T%03d9000.dml\n", i);
    s.sh += line;
  }
  return s;
}

double Best(const fs::path& folder, const std::string& command) {
  double best = 1e300;
  for (int round = 0; round < kRounds; ++round) best = std::min(best, TimedSeconds(folder, command));
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {0, 5000, 10000, 20000};

  const std::string shell = "'" + ShellProgram().string() + "' /C job.bat >/dev/null";
  std::printf("%d copy + %d del lines, best of %d; seconds\n", kFiles, kFiles, kRounds);
  std::printf("%8s  %-9s %12s %10s %7s\n", "others", "del lines", "vantrel-cmd", "sh cp/rm", "ratio");
  for (int others : sizes) {
    const fs::path folder = ScratchFolder("vantrel-script-bench");
    fs::create_directories(folder / "Pat");
    const std::string shape(4096, 'x');
    for (int i = 0; i < kFiles; ++i) WriteText(folder / ("Pat/P" + std::to_string(1000 + i).substr(1) + ".dml"), shape);
    for (int i = 0; i < others; ++i) WriteText(folder / ("other" + std::to_string(100000 + i) + ".dat"), "");
    for (bool wildcards : {false, true}) {
      const Scripts scripts = MakeScripts(wildcards);
      WriteText(folder / "job.bat", scripts.batch);
      WriteText(folder / "job.sh", scripts.sh);
      const double cmd = Best(folder, shell);
      const double sh = Best(folder, "sh job.sh");
      std::printf("%8d  %-9s %12.3f %10.3f %7.2f\n", others, wildcards ? "wildcard" : "exact", cmd, sh, cmd / sh);
      PrintVerdict("script, " + std::to_string(others) + " others, " + (wildcards ? "wildcard" : "exact") + " del",
                   Figure(cmd, "s"), Figure(sh, "s sh"), cmd / sh);
    }
    fs::remove_all(folder);
  }
  return 0;
}
