#pragma once
// Pixels per inch of the monitor a window is on, and the layout's 96-dpi places scaled to it.
#include <windows.h>

#include "window/window_fit.h"

namespace vantrel::win32ui {

inline constexpr UINT kLayoutDpi = 96;

// The window's DPI where Windows tells it per monitor (10 from 1607 on), else the screen's.
UINT WindowDpi(HWND window);

int Scaled(int pixels, UINT dpi);
// Each of the four numbers scaled alone, so that every control keeps its own rounding.
Box Scaled(const Box& box, UINT dpi);
// How far the layout may shrink (window_fit.h), at this DPI.
Shrink MostShrink(UINT dpi);

RECT ToRect(const Box& box);
Box ToBox(const RECT& rect);

}  // namespace vantrel::win32ui
