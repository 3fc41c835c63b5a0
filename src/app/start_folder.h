#pragma once
// The folder the window works in. A menu starts the program in the home folder, which is
// no game folder; started there, the window asks for one and remembers it for next time.
#include <QString>

#include <functional>
#include <string>

namespace vantrel::app {

// Asks the user for the game's working folder, the dialog starting at `start`; returns ""
// when the user cancels.
using FolderChooser = std::function<QString(const QString& start)>;

// The folder dialog: the chooser of the program.
QString AskForWorkingFolder(const QString& start);

// Whether the current folder is a working folder of the game: it holds a patch folder or a
// model file.
bool InWorkingFolder();

// Enters the window's working folder: `given` when it is not "", else the current folder
// when it is a working folder, else the folder `choose` returns, asked to start at the
// folder entered last time (the home folder the first time). The folder entered is
// remembered in the user's settings. Returns false when the user cancelled the choice.
// Raises InOutError naming the folder when it cannot be entered.
bool EnterWorkingFolder(const std::string& given, const FolderChooser& choose);

// The folder EnterWorkingFolder entered last, "" before the first time.
QString RememberedFolder();

}  // namespace vantrel::app
