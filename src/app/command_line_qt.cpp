#include "app/command_line.h"

namespace vantrel::app {

// QApplication takes its own options out of the command line before FolderArgument sees it.
const char* const kToolkitOptions = "Qt's own options, such as -platform NAME, are taken as well.\n";

}  // namespace vantrel::app
