#include "win32ui/progress_box.h"

#include <commctrl.h>

#include "platform/errors.h"
#include "platform/win32_text.h"
#include "win32ui/dialog_template.h"
#include "win32ui/message_boxes.h"

namespace vantrel::win32ui {

namespace {

// In dialog units: the text, the bar under it, Cancel under the bar on the right.
constexpr LONG kWidth = 240;
constexpr LONG kMargin = 7;

DialogTemplate ProgressTemplate() {
  DialogTemplate box(kBoxTitle, DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                     {kWidth, 62});
  box.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, {kMargin, kMargin, kWidth - kMargin, kMargin + 8},
          kProgressTextId);
  box.Add(PROGRESS_CLASSW, L"", 0, {kMargin, 20, kWidth - kMargin, 30}, kProgressBarId);
  box.Add(L"BUTTON", L"Cancel", BS_DEFPUSHBUTTON | WS_TABSTOP, {kWidth - kMargin - 50, 41, kWidth - kMargin, 55},
          IDCANCEL);
  return box;
}

}  // namespace

ProgressBox::ProgressBox(HWND owner) : owner_(owner) {
  const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&classes);
  const DialogTemplate box = ProgressTemplate();
  const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner, GWLP_HINSTANCE));
  box_ = ::CreateDialogIndirectParamW(instance, box.Get(), owner, &ProgressBox::Procedure, reinterpret_cast<LPARAM>(this));
  if (!box_) throw Error("The unpacking's progress cannot be shown.");
  ::SendDlgItemMessageW(box_, kProgressBarId, PBM_SETRANGE32, 0, 1000);
  // As a modal box would: the window waits, and gets the activation back before the box goes.
  ::EnableWindow(owner_, FALSE);
}

ProgressBox::~ProgressBox() {
  ::EnableWindow(owner_, TRUE);
  if (::IsWindow(box_)) ::DestroyWindow(box_);
}

bool ProgressBox::Show(const std::string& what, int thousandths) {
  if (what != what_) {
    what_ = what;
    ::SetDlgItemTextW(box_, kProgressTextId, platform::detail::Wide(what).c_str());
  }
  ::SendDlgItemMessageW(box_, kProgressBarId, PBM_SETPOS, static_cast<WPARAM>(thousandths), 0);
  MSG message{};
  while (!cancelled_ && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));  // for the program's loop, once the unpacking is over
      break;
    }
    if (::IsDialogMessageW(box_, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return !cancelled_;
}

// Cancel, Escape and the box's close all come as IDCANCEL.
INT_PTR CALLBACK ProgressBox::Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(box, DWLP_USER, lParam);
    return TRUE;
  }
  auto* self = reinterpret_cast<ProgressBox*>(::GetWindowLongPtrW(box, DWLP_USER));
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && self) {
    self->cancelled_ = true;
    return TRUE;
  }
  return FALSE;
}

}  // namespace vantrel::win32ui
