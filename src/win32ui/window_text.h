#pragma once
// A control's text, UTF-16 in Windows, as UTF-8.
#include <windows.h>

#include <string>

namespace vantrel::win32ui {

std::string WindowText(HWND window);

}  // namespace vantrel::win32ui
