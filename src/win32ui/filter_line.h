#pragma once
// A filter line over a list: it shows "Filter by code or name" while empty; Return or Down
// goes on into the list, Escape empties the line. What it filters is the window's business
// (EN_CHANGE).
#include <windows.h>

namespace vantrel::win32ui {

void MakeFilterLine(HWND line, HWND list);

}  // namespace vantrel::win32ui
