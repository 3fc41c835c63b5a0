#include "win32ui/message_loop.h"

#include <string_view>

namespace vantrel::win32ui {

namespace {

// A dialog of the window's own that is not modal gets its keys (Tab, Escape) only here.
bool TakenByOwnDialog(const MSG& message) {
  const HWND top = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  wchar_t kind[8] = {};
  if (!top || !::GetClassNameW(top, kind, 8) || std::wstring_view(kind) != L"#32770") return false;
  return ::IsDialogMessageW(top, const_cast<MSG*>(&message)) != FALSE;
}

}  // namespace

int RunMessageLoop(MainWindow& window) {
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.Handle() && window.TakesMessage(message)) continue;
    if (TakenByOwnDialog(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace vantrel::win32ui
