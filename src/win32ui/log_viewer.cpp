#include "win32ui/log_viewer.h"

#include "platform/errors.h"
#include "platform/win32_text.h"
#include "win32ui/dialog_template.h"
#include "win32ui/dpi.h"
#include "win32ui/window_text.h"

namespace vantrel::win32ui {

namespace {

// In dialog units, at first: about as large as the Qt window's viewer. The text fills the
// box above its Close button, however the user sizes it.
constexpr SIZE kStartSize{480, 300};
constexpr LONG kMargin = 7;
constexpr LONG kButtonWidth = 50;
constexpr LONG kButtonHeight = 14;
// The scripts' lines line up in a fixed-pitch face.
constexpr int kFontPoints = 9;

DialogTemplate ViewerTemplate() {
  DialogTemplate box(kLogViewerTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX, kStartSize);
  box.Add(L"EDIT", L"",
          ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP,
          {kMargin, kMargin, kStartSize.cx - kMargin, kStartSize.cy - 2 * kMargin - kButtonHeight}, kLogTextId);
  box.Add(L"BUTTON", L"Close", BS_DEFPUSHBUTTON | WS_TABSTOP,
          {kStartSize.cx - kMargin - kButtonWidth, kStartSize.cy - kMargin - kButtonHeight, kStartSize.cx - kMargin,
           kStartSize.cy - kMargin},
          IDCANCEL);
  return box;
}

}  // namespace

LogViewer::LogViewer(HWND owner) {
  const DialogTemplate box = ViewerTemplate();
  const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner, GWLP_HINSTANCE));
  box_ = ::CreateDialogIndirectParamW(instance, box.Get(), owner, &LogViewer::Procedure, reinterpret_cast<LPARAM>(this));
  if (!box_) throw Error("The job log's viewer cannot be made.");
  font_ = ::CreateFontW(-::MulDiv(kFontPoints, static_cast<int>(WindowDpi(box_)), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                        FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        FIXED_PITCH | FF_MODERN, L"Courier New");
  if (font_) ::SendDlgItemMessageW(box_, kLogTextId, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

LogViewer::~LogViewer() {
  if (::IsWindow(box_)) ::DestroyWindow(box_);
  if (font_) ::DeleteObject(font_);
}

void LogViewer::Show(const std::string& text) {
  const HWND page = ::GetDlgItem(box_, kLogTextId);
  ::SetWindowTextW(page, platform::detail::Wide(WithWindowsLineEnds(text)).c_str());
  const auto end = static_cast<WPARAM>(::GetWindowTextLengthW(page));
  ::SendMessageW(page, EM_SETSEL, end, static_cast<LPARAM>(end));
  ::SendMessageW(page, EM_SCROLLCARET, 0, 0);
  ::ShowWindow(box_, SW_SHOWNORMAL);
  ::SetForegroundWindow(box_);
}

void LogViewer::LayOut() {
  RECT client{};
  ::GetClientRect(box_, &client);
  RECT units{kMargin, kMargin, kButtonWidth, kButtonHeight};
  ::MapDialogRect(box_, &units);
  const LONG margin = units.left;
  const LONG buttonTop = client.bottom - margin - units.bottom;
  ::SetWindowPos(::GetDlgItem(box_, IDCANCEL), nullptr, client.right - margin - units.right, buttonTop, units.right,
                 units.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetWindowPos(::GetDlgItem(box_, kLogTextId), nullptr, margin, margin, client.right - 2 * margin,
                 buttonTop - 2 * margin, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Close, Escape and the box's close all come as IDCANCEL: the viewer hides, for the next time.
INT_PTR CALLBACK LogViewer::Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(box, DWLP_USER, lParam);
    reinterpret_cast<LogViewer*>(lParam)->box_ = box;  // before CreateDialogIndirectParamW returns it
    return TRUE;
  }
  auto* self = reinterpret_cast<LogViewer*>(::GetWindowLongPtrW(box, DWLP_USER));
  if (!self) return FALSE;  // made, its controls not yet: they start at the template's places
  switch (message) {
    case WM_SIZE:
      self->LayOut();
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      ::ShowWindow(box, SW_HIDE);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace vantrel::win32ui
