// A volume install of a large archive from start to end (vantrel-cli activate: the ledger's
// hashes, the game's archive kept, the script run by vantrel-cmd and its outcome checked),
// against a plain cp of the same archive over the game's, in the same run. Runs alternate;
// each starts with dirty pages flushed, and a removal between install rounds puts the game's
// archive back, untimed.
#include <algorithm>
#include <vector>

#include "../cmdshell/bench_support.h"
#include "samplegame/sample_game.h"
#include "../verdict.h"

namespace {

using namespace vantrel::bench;


}  // namespace

int main(int argc, char** argv) {
  const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 512;
  constexpr int kRounds = 5;
  const fs::path root = ScratchFolder("vantrel-volume-bench");
  vantrel::samplegame::LaySampleGame((root / "game").string());
  const fs::path work = root / "game" / vantrel::samplegame::kWorkingFolder;
  fs::remove(work / "SpringMaps" / "3DSpring.vol");
  WriteArchive(root / "game" / "rb.vol", megabytes, 0x9E3779B97F4A7C15ull);
  WriteArchive(work / "SpringMaps" / "RB.VOL", megabytes, 0xD1B54A32D192ED03ull);
  fs::copy_file(root / "game" / "rb.vol", root / "game-rb.vol");
  const std::string cli = "'" + (ShellProgram().parent_path() / "vantrel-cli").string() + "'";

  std::vector<double> install;
  std::vector<double> cp;
  for (int round = 0; round < kRounds; ++round) {
    std::system("sync");
    cp.push_back(TimedSeconds(work, "cp SpringMaps/RB.VOL ../rb.vol"));
    fs::copy_file(root / "game-rb.vol", root / "game" / "rb.vol", fs::copy_options::overwrite_existing);
    std::system("sync");
    install.push_back(TimedSeconds(work, cli + " activate SpringMaps 0305 >/dev/null 2>&1"));
    TimedSeconds(work, cli + " deactivate 0099_SpringMaps_vol_patch >/dev/null 2>&1");
    std::printf("round %d: install %.3f cp %.3f\n", round, install.back(), cp.back());
  }
  fs::remove_all(root);
  std::printf("volume install of a %zu MB archive over the game's, %d rounds each, alternating (median):\n",
              megabytes, kRounds);
  PrintVerdict("volume install, " + std::to_string(megabytes) + " MB", Figure(Median(install), "s"),
               Figure(Median(cp), "s cp"), Median(install) / Median(cp), Bound::AtMost, 1.2);
  std::printf("install: %.3f s   cp: %.3f s   ratio: %.2f (target: at most 1.20)\n", Median(install), Median(cp),
              Median(install) / Median(cp));
  return 0;
}
