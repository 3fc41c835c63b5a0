#include "win32ui/filter_line.h"

#include <commctrl.h>

#include <string>

#include "platform/win32_text.h"
#include "window/layout_table.h"

namespace vantrel::win32ui {

namespace {

bool OwnKey(WPARAM key) { return key == VK_RETURN || key == VK_DOWN || key == VK_ESCAPE; }

LRESULT CALLBACK FilterKeys(HWND line, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR list) {
  switch (message) {
    case WM_GETDLGCODE: {
      // Else the message loop's dialog keys would take Return and Escape away from the line.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code = ::DefSubclassProc(line, message, wParam, lParam);
      return key && key->message == WM_KEYDOWN && OwnKey(key->wParam) ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_DOWN) {
        ::SetFocus(reinterpret_cast<HWND>(list));
        return 0;
      }
      if (wParam == VK_ESCAPE && ::GetWindowTextLengthW(line) > 0) {
        ::SetWindowTextW(line, L"");
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\r' || wParam == 0x1b) return 0;  // no beep for the keys taken above
      break;
  }
  return ::DefSubclassProc(line, message, wParam, lParam);
}

}  // namespace

void MakeFilterLine(HWND line, HWND list) {
  const std::wstring cue = platform::detail::Wide(kFilterPlaceholder);
  // TRUE: the cue stays while the line has the focus, until something is typed.
  ::SendMessageW(line, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(cue.c_str()));
  ::SetWindowSubclass(line, FilterKeys, 1, reinterpret_cast<DWORD_PTR>(list));
}

}  // namespace vantrel::win32ui
