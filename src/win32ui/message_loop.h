#pragma once
// The program's message loop: the window's keys first (accelerators, Tab, Alt letters), the
// keys of a box of its own beside it (the job log's viewer) as a dialog takes them, then the
// messages as usual, until the window is gone.
#include "win32ui/main_window.h"

namespace vantrel::win32ui {

// Returns the exit code WM_QUIT carries.
int RunMessageLoop(MainWindow& window);

}  // namespace vantrel::win32ui
