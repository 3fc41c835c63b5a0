#pragma once
// The folder the window works in. A menu starts the program in the home folder (on Windows in
// the program's own folder), which is no game folder; started there, the window asks for one
// and remembers it for next time. Knows no toolkit: the folder dialog is the caller's, and
// the memory of the folder is folder_memory.h's.
#include <functional>
#include <string>

namespace vantrel::app {

// Asks the user for the game's working folder, the dialog starting at `start`; returns ""
// when the user cancels. `why` is "" the first time, and after a folder that is not a
// working folder of the game the reason it was refused, which the user is told before being
// asked again. Folders in UTF-8.
using FolderChooser = std::function<std::string(const std::string& start, const std::string& why)>;

// Enters the window's working folder: `given` when it is not "", else the current folder,
// when it is a working folder of the game (engine/working_folder.h); else the folder
// `choose` returns, asked to start at the folder entered last time (HomeFolder() the first
// time, or when that folder has gone) or at `given`, and asked again, at the folder refused
// and with the reason, until it is a working folder. The folder entered is remembered.
// Returns false when the user cancelled the choice. Raises InOutError naming the folder when
// it cannot be entered or looked at.
bool EnterWorkingFolder(const std::string& given, const FolderChooser& choose);

}  // namespace vantrel::app
