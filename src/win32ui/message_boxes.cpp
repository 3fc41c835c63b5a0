#include "win32ui/message_boxes.h"

#include "platform/win32_text.h"

namespace vantrel::win32ui {

using platform::detail::Wide;

bool AskYesNo(HWND owner, const std::string& question, const std::string& details) {
  const std::string text = details.empty() ? question : question + "\n\nDetails:\n" + details;
  return ::MessageBoxW(owner, Wide(text).c_str(), kBoxTitle, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

FormView::Reply AskYesNoCancel(HWND owner, const std::string& question) {
  switch (::MessageBoxW(owner, Wide(question).c_str(), kBoxTitle, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3)) {
    case IDYES:
      return FormView::Reply::Yes;
    case IDNO:
      return FormView::Reply::No;
    default:
      return FormView::Reply::Cancel;
  }
}

void ShowMessageBox(HWND owner, const std::string& text) {
  ::MessageBoxW(owner, Wide(text).c_str(), kBoxTitle, MB_OK | MB_ICONERROR);
}

}  // namespace vantrel::win32ui
