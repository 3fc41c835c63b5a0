#pragma once
// Which install of the game to work on, asked at a first start and when the user switches:
// the installs remembered from earlier runs that are still there, most recent first, then
// those found on this machine, and a last choice to pick a folder in a dialog.
#include <string>
#include <string_view>
#include <vector>

#include "games/game_search.h"

namespace vantrel::games {

inline constexpr const char* kWhichGameQuestion = "Which install of the game do you want to work on?";
inline constexpr const char* kChooseAFolder = "Choose a folder\u2026";

struct GameChoices {
  std::vector<GameInstall> installs;
  std::vector<std::string> texts;  // one a install, "C:\Games\RB   (Multi, Simpatch)", then kChooseAFolder
};

// `remembered` are game folders in UTF-8, most recent first; each is looked at again, and one
// that is no game install any more is left out.
GameChoices ChoicesOf(const std::vector<std::string>& remembered, const SearchResult& found);

// The working folder to enter in `install`: the one named `preferred` where the install has
// it (the user's last), else its first in the order the folder box offers them.
std::string WorkingFolderOf(const GameInstall& install, std::string_view preferred);

// The game folders to remember: `game` first, then the others of `remembered` but for those
// naming the same folder, at most `kRememberedGames`.
inline constexpr std::size_t kRememberedGames = 8;
std::vector<std::string> WithGameFirst(std::vector<std::string> remembered, const std::string& game);

// The path in UTF-8, the system's separators.
std::string Utf8Path(const std::filesystem::path& path);

}  // namespace vantrel::games
