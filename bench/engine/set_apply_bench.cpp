// vantrel-cli set apply of a set that installs 50 object patches into 50 slots, against the
// same 50 jobs run one by one with vantrel-cli activate, in the same run: the set's jobs run
// back to back, with no wait between them beyond the jobs themselves.
//   set_apply_bench [ROUNDS]
// Target: at most 1.10 x the jobs one by one.
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "samplegame/sample_game.h"
#include "../sample_game_bench.h"
#include "../verdict.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kPatches = 50;

int Cli(const fs::path& work, std::vector<std::string> args) {
  args.insert(args.begin(), {"-C", work.string()});
  std::ostringstream out, err;
  const int status = vantrel::cli::Main(args, out, err);
  if (status != 0) std::fprintf(stderr, "vantrel-cli %s: %s", args[2].c_str(), err.str().c_str());
  return status;
}

double Seconds(const std::function<bool()>& run) {
  const auto start = Clock::now();
  if (!run()) std::exit(1);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const vantrel::bench::BenchGame game("set");
  const fs::path work = game.Work();
  vantrel::samplegame::LayManyPatches(work.string(), kPatches, 5, 0, 0);

  // Each patch into the slot of its own code.
  std::vector<std::pair<std::string, std::string>> jobs;
  for (const auto& entry : fs::directory_iterator(work)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with("Patch ")) continue;
    for (const auto& file : fs::directory_iterator(entry.path())) {
      const std::string shape = file.path().filename().string();
      if (shape.ends_with("9000.dml")) jobs.emplace_back(name, shape.substr(0, 4));
    }
  }
  fs::create_directories(work / "vantrel-files" / "sets");
  {
    std::ofstream set(work / "vantrel-files" / "sets" / "all.set", std::ios::binary);
    for (const auto& [folder, slot] : jobs) set << slot << " off " << folder << "\r\n";
    std::ofstream(work / "vantrel-files" / "sets" / "none.set", std::ios::binary) << "# nothing active\r\n";
  }

  // The jobs write their consoles to the error stream: not this report's.
  const int savedErr = dup(STDERR_FILENO);
  if (!std::freopen("/dev/null", "w", stderr)) return 1;
  std::vector<double> oneByOne, asSet;
  for (int round = 0; round < rounds; ++round) {
    oneByOne.push_back(Seconds([&] {
      for (const auto& [folder, slot] : jobs) {
        if (Cli(work, {"activate", folder, slot, "--no-pause"}) != 0) return false;
      }
      return true;
    }));
    if (Cli(work, {"set", "apply", "none"}) != 0) return 1;
    asSet.push_back(Seconds([&] { return Cli(work, {"set", "apply", "all"}) == 0; }));
    if (Cli(work, {"set", "apply", "none"}) != 0) return 1;
  }
  dup2(savedErr, STDERR_FILENO);

  const double single = vantrel::bench::Median(oneByOne), set = vantrel::bench::Median(asSet);
  std::printf("%d installs, %d rounds (medians)\n  one by one   %.3f s\n  set apply    %.3f s\n", kPatches, rounds,
              single, set);
  vantrel::bench::PrintVerdict("set apply, 50 installs", vantrel::bench::Figure(set, "s"),
                               vantrel::bench::Figure(single, "s one by one"), set / single,
                               vantrel::bench::Bound::AtMost, 1.10);
  return 0;
}
