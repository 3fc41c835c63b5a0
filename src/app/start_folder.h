#pragma once
// The folder the window works in. A menu starts the program in the home folder (on Windows in
// the program's own folder), which is no game folder; started there, the window asks for one
// and remembers it for next time. Knows no toolkit: the folder dialog is the caller's, and
// the memory of the folder is folder_memory.h's.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "games/game_search.h"

namespace vantrel::app {

// Asks the user for the game's working folder, the dialog starting at `start`; returns ""
// when the user cancels. `why` is "" the first time, and after a folder that is not a
// working folder of the game the reason it was refused, which the user is told before being
// asked again. Folders in UTF-8.
using FolderChooser = std::function<std::string(const std::string& start, const std::string& why)>;

// The installs of the game offered before the folder dialog: `find` finds those of this
// machine, `choose` asks which (question, choices; the index chosen, nothing when the user
// cancels). Without `find` the dialog alone asks.
struct GameOffer {
  std::function<games::SearchResult()> find;
  std::function<std::optional<std::size_t>(const std::string& question, const std::vector<std::string>& choices)> choose;
};

// Enters the window's working folder: `given` when it is not "", else the current folder,
// when it is a working folder of the game (engine/working_folder.h); else the folder
// `choose` returns, asked to start at the folder entered last time (HomeFolder() the first
// time, or when that folder has gone) or at `given`, and asked again, at the folder refused
// and with the reason, until it is a working folder. Where nothing is given, the installs
// remembered and found are offered first, with the dialog as the last choice; one picked is
// entered at the working folder the user had last. The folder entered and its game are
// remembered. Returns false when the user cancelled the choice. Raises InOutError naming the
// folder when it cannot be entered or looked at.
bool EnterWorkingFolder(const std::string& given, const FolderChooser& choose, const GameOffer& offer = {});

}  // namespace vantrel::app
