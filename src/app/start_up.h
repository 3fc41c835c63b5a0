#pragma once
// The window program's start before its window: the working folder its arguments name, or
// the one found or chosen, entered; what goes wrong told the user in the system's way (the
// error stream and a box on Linux, a box on Windows), with the exit status it ends with.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/start_folder.h"

namespace vantrel::app {

// Tells the user `text` of a failure that ends the program with `status`: 2 for a mistake in
// the arguments, 1 for a folder that cannot be entered or looked at.
using StartFailure = std::function<void(const std::string& text, int status)>;

// Enters the working folder for `args` (the arguments the toolkit left over); nothing when
// the window is to come up, else the exit status: 0 when the user cancelled the folder
// dialog (told nothing), 1 or 2 after telling `fail`.
std::optional<int> StartInWorkingFolder(const std::vector<std::string>& args, const FolderChooser& choose,
                                        const StartFailure& fail, const GameOffer& offer = {});

// The hint after a usage mistake: "Try 'vantrel --help'."
std::string HelpHint();

}  // namespace vantrel::app
