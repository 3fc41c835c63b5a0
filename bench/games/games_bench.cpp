// Finding the game in a home folder of 100,000 files spread over Wine prefixes and ~/Games,
// one game among them, against a plain walk of the same tree (every folder opened and read,
// no depth bound) in the same run.
//   games_bench [ROUNDS]
// Target: the search answers within 3 seconds.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "../verdict.h"
#include "games/game_search.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFiles = 100000;
constexpr int kFilesPerFolder = 50;
constexpr double kLimitSeconds = 3.0;

void Touch(const fs::path& file) { std::ofstream(file) << "x"; }

// Prefixes with program folders three and four levels down, each holding some files.
void LayHome(const fs::path& home) {
  const fs::path places[] = {home / ".wine/drive_c", home / ".local/share/wineprefixes/one/drive_c",
                             home / ".local/share/Steam/steamapps/compatdata/42/pfx/drive_c", home / "Games"};
  int files = 0;
  for (int folder = 0; files < kFiles; ++folder) {
    const fs::path dir = places[folder % 4] / ("Maker " + std::to_string(folder / 40)) / ("Program " + std::to_string(folder)) / "data";
    fs::create_directories(dir);
    for (int i = 0; i < kFilesPerFolder && files < kFiles; ++i, ++files) Touch(dir / ("file" + std::to_string(i) + ".dat"));
  }
  const fs::path game = home / ".wine/drive_c/Program Files/Maker/RB";
  fs::create_directories(game / "Simpatch");
  Touch(game / "rb.vol");
}

std::size_t WalkAll(const fs::path& home) {
  std::size_t entries = 0;
  for (auto it = fs::recursive_directory_iterator(home); it != fs::recursive_directory_iterator(); ++it) ++entries;
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const fs::path home = fs::temp_directory_path() / "vantrel-games-bench";
  fs::remove_all(home);
  LayHome(home);
  setenv("HOME", home.c_str(), 1);
  unsetenv("WINEPREFIX");
  unsetenv("XDG_DATA_HOME");

  std::vector<double> search, walk;
  std::size_t found = 0, entries = 0;
  for (int round = 0; round < rounds; ++round) {
    auto start = Clock::now();
    found = vantrel::games::FindGameInstalls(vantrel::games::PlacesToLook(), Clock::now() + std::chrono::minutes(1))
                .installs.size();
    search.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    start = Clock::now();
    entries = WalkAll(home);
    walk.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  fs::remove_all(home);
  const double searchS = vantrel::bench::Median(search), walkS = vantrel::bench::Median(walk);
  std::printf("%d files, %zu entries walked, %zu game found, %d rounds (medians)\n", kFiles, entries, found, rounds);
  std::printf("  games search   %.3f s\n  plain walk     %.3f s\n", searchS, walkS);
  if (found != 1) {
    std::printf("the search found %zu games where there is 1\n", found);
    return 1;
  }
  vantrel::bench::PrintVerdict("games, home of 100,000 files", vantrel::bench::Figure(searchS, "s"),
                               vantrel::bench::Figure(kLimitSeconds, "s limit") + " (walk " +
                                   vantrel::bench::Figure(walkS, "s") + ")",
                               searchS / kLimitSeconds, vantrel::bench::Bound::AtMost, 1.0);
  return 0;
}
