#include "win32ui/message_loop.h"

namespace vantrel::win32ui {

int RunMessageLoop(MainWindow& window) {
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.Handle() && window.TakesMessage(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace vantrel::win32ui
