#pragma once
// Finding the game's installs on this machine, so that a player need not find the folder in
// a dialog: a game install is a folder holding the game's main archive "rb.vol" and at least
// one of its working folders. The places where games are installed are searched down to a
// few levels, within a time limit, and never through a link that leads out of the place.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace vantrel::games {

struct GameInstall {
  std::filesystem::path folder;             // the folder holding rb.vol
  std::vector<std::string> workingFolders;  // the working folders it holds, as spelled on disk, sorted
};

// A place to look in, and how many folder levels below it a game's folder may lie (0: only
// the folder itself).
struct SearchPlace {
  std::filesystem::path folder;
  int depth = 0;
};

struct SearchResult {
  std::vector<GameInstall> installs;              // by folder, each once
  bool gaveUp = false;                            // time ran out before every place was searched
  std::vector<std::filesystem::path> unreadable;  // folders that could not be looked into
};

// The game install at `folder`, where it is one; `unreadable` gets the folder when it cannot
// be looked into.
SearchResult LookAt(const std::filesystem::path& folder);

// Searches each place that exists down to its depth, until `deadline`.
SearchResult FindGameInstalls(const std::vector<SearchPlace>& places, std::chrono::steady_clock::time_point deadline);

// Where this system keeps games: Wine prefixes and game folders under the home folder here,
// the program folders, the registry's install locations and the fixed drives on Windows.
std::vector<SearchPlace> PlacesToLook();

// How long a search of PlacesToLook may take.
inline constexpr std::chrono::seconds kSearchTime{5};

}  // namespace vantrel::games
