#pragma once
// A control's text, UTF-16 in Windows, as UTF-8, and the line ends it shows.
#include <windows.h>

#include <string>

namespace vantrel::win32ui {

std::string WindowText(HWND window);

// The text's lines with the line ends a multi-line control shows, "\r\n".
std::string WithWindowsLineEnds(const std::string& text);

}  // namespace vantrel::win32ui
