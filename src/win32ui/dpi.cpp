#include "win32ui/dpi.h"

namespace vantrel::win32ui {

namespace {

// Looked up at run time: a program that called it directly would not start on a Windows
// older than 10 1607.
using GetDpiForWindowCall = UINT(WINAPI*)(HWND);

GetDpiForWindowCall GetDpiForWindowIfThere() {
  static const GetDpiForWindowCall call = [] {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    const FARPROC found = user32 ? ::GetProcAddress(user32, "GetDpiForWindow") : nullptr;
    // Through void(*)(), the one function type GCC lets a pointer be cast from without a warning.
    return reinterpret_cast<GetDpiForWindowCall>(reinterpret_cast<void (*)()>(found));
  }();
  return call;
}

}  // namespace

UINT WindowDpi(HWND window) {
  if (const GetDpiForWindowCall call = GetDpiForWindowIfThere()) {
    if (const UINT dpi = call(window)) return dpi;
  }
  const HDC screen = ::GetDC(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kLayoutDpi;
}

int Scaled(int pixels, UINT dpi) { return ::MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kLayoutDpi)); }

Box Scaled(const Box& box, UINT dpi) {
  return {Scaled(box.left, dpi), Scaled(box.top, dpi), Scaled(box.width, dpi), Scaled(box.height, dpi)};
}

Shrink MostShrink(UINT dpi) {
  const Shrink& most = kMostShrink;
  return {Scaled(most.lists, dpi), Scaled(most.panels, dpi), Scaled(most.margin, dpi),
          {Scaled(most.across[0], dpi), Scaled(most.across[1], dpi), Scaled(most.across[2], dpi)},
          Scaled(most.notes, dpi)};
}

RECT ToRect(const Box& box) { return {box.left, box.top, box.left + box.width, box.top + box.height}; }

Box ToBox(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

}  // namespace vantrel::win32ui
