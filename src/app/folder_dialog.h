#pragma once
// The folder dialog that asks for the game's working folder: Qt's on Linux
// (folder_dialog_qt.cpp), the system's folder picker on Windows (folder_dialog_win32.cpp).
#include <string>

namespace vantrel::app {

inline constexpr const char* kFolderDialogTitle = "Vantrel: the game's working folder";

// Where the dialog starts when no folder is remembered: the user's home folder on Linux, the
// user's Documents on Windows, where Explorer starts too.
std::string HomeFolder();

// The dialog, starting at `start`, after a message box telling `why` the last folder chosen
// was refused when it is not "": the folder chosen in UTF-8, "" when the user cancels. The
// program's FolderChooser.
std::string AskForWorkingFolder(const std::string& start, const std::string& why);

}  // namespace vantrel::app
