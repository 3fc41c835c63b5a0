// Where games are installed on Linux: in Wine prefixes (the user's own, those of Lutris,
// Bottles, PlayOnLinux and Steam's Proton, native, Flatpak and Snap), each searched from its
// drive_c, and in ~/Games.
#include <cstdlib>

#include "games/game_search.h"

namespace vantrel::games {

namespace fs = std::filesystem;

namespace {

// Program Files\Maker\Game\ and a little more.
constexpr int kDriveDepth = 5;
constexpr int kGamesDepth = 4;

// The prefixes in `folder`: each of its subfolders.
void PrefixesIn(const fs::path& folder, std::vector<fs::path>& prefixes) {
  std::error_code error;
  for (fs::directory_iterator entries(folder, error); !error && entries != fs::directory_iterator();
       entries.increment(error)) {
    prefixes.push_back(entries->path());
  }
}

}  // namespace

std::vector<SearchPlace> PlacesToLook() {
  const char* homeVariable = std::getenv("HOME");
  const fs::path home = homeVariable ? homeVariable : "";
  const char* dataVariable = std::getenv("XDG_DATA_HOME");
  const fs::path data = dataVariable && *dataVariable ? fs::path(dataVariable) : home / ".local/share";

  std::vector<fs::path> prefixes;
  if (const char* wine = std::getenv("WINEPREFIX"); wine && *wine) prefixes.emplace_back(wine);
  prefixes.push_back(home / ".wine");
  PrefixesIn(data / "wineprefixes", prefixes);
  PrefixesIn(home / "Games", prefixes);  // Lutris installs each game with its prefix there
  PrefixesIn(data / "bottles/bottles", prefixes);
  PrefixesIn(home / ".var/app/com.usebottles.bottles/data/bottles/bottles", prefixes);
  PrefixesIn(home / ".PlayOnLinux/wineprefix", prefixes);
  for (const fs::path& steam : {data / "Steam", home / ".steam/steam", home / ".var/app/com.valvesoftware.Steam/.local/share/Steam",
                                home / "snap/steam/common/.local/share/Steam"}) {
    std::vector<fs::path> games;
    PrefixesIn(steam / "steamapps/compatdata", games);
    for (const fs::path& game : games) prefixes.push_back(game / "pfx");
  }

  std::vector<SearchPlace> places;
  for (const fs::path& prefix : prefixes) places.push_back({prefix / "drive_c", kDriveDepth});
  places.push_back({home / "Games", kGamesDepth});
  return places;
}

}  // namespace vantrel::games
