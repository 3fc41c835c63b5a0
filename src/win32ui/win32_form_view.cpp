#include "win32ui/win32_form_view.h"

#include "platform/win32_text.h"
#include "win32ui/file_dialogs.h"
#include "win32ui/input_boxes.h"
#include "win32ui/message_boxes.h"
#include "win32ui/window_text.h"

namespace vantrel::win32ui {

using platform::detail::Wide;

Win32FormView::Win32FormView(MainWindow& window, PictureLoader loadPicture, FileOpener openFile)
    : window_(window), loadPicture_(std::move(loadPicture)), openFile_(std::move(openFile)) {}

void Win32FormView::SetTitle(const std::string& title) { ::SetWindowTextW(window_.Handle(), Wide(title).c_str()); }

void Win32FormView::SetText(Control control, const std::string& text) {
  if (control == Control::path) return window_.SetFolderTextQuietly(text);
  ::SetWindowTextW(window_.ControlWindow(control), Wide(text).c_str());
}

std::string Win32FormView::Text(Control control) const { return WindowText(window_.ControlWindow(control)); }

void Win32FormView::SetEnabled(Control control, bool enabled) {
  ::EnableWindow(window_.ControlWindow(control), enabled ? TRUE : FALSE);
}

void Win32FormView::SetChecked(Control control, bool checked) {
  ::SendMessageW(window_.ControlWindow(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32FormView::SetHint(Control control, const std::string& hint) {
  window_.Tips().Set(window_.ControlWindow(control), hint);
}

void Win32FormView::SetShown(Control control, bool shown) {
  ::ShowWindow(window_.ControlWindow(control), shown ? SW_SHOWNA : SW_HIDE);
}

void Win32FormView::ShowFromStart(Control line) {
  const HWND edit = window_.ControlWindow(line);
  ::SendMessageW(edit, EM_SETSEL, 0, 0);
  ::SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void Win32FormView::ScrollToTop(Control list, std::size_t row) { window_.ListOf(list).ScrollToTop(row); }

void Win32FormView::KeepInView(Control list, std::size_t row) { window_.ListOf(list).KeepInView(row); }

// Decoded before the preview changes: a file that cannot be decoded leaves the picture shown.
void Win32FormView::ShowPicture(const std::optional<std::string>& file) {
  if (!file) return window_.Preview().Clear();
  window_.Preview().Show(loadPicture_(*file));
}

void Win32FormView::ShowReadme(const std::optional<std::string>& text, bool toFront) {
  window_.Notes().ShowReadme(text, toFront);
}

bool Win32FormView::Ask(const std::string& question, const std::string& details) {
  return AskYesNo(window_.Handle(), question, details);
}

void Win32FormView::ShowMessage(const std::string& text) { window_.ShowMessage(text); }

FormView::Reply Win32FormView::AskOrCancel(const std::string& question) {
  return AskYesNoCancel(window_.Handle(), question);
}

std::optional<std::string> Win32FormView::ChooseArchive() { return ChooseArchiveFile(window_.Handle()); }

std::optional<std::string> Win32FormView::ChooseSetFile(bool toSave) {
  return win32ui::ChooseSetFile(window_.Handle(), toSave);
}

std::optional<std::size_t> Win32FormView::Choose(const std::string& question, const std::vector<std::string>& choices) {
  return AskChoice(window_.Handle(), question, choices);
}

std::optional<std::string> Win32FormView::AskText(const std::string& question, const std::string& text) {
  return AskLine(window_.Handle(), question, text);
}

bool Win32FormView::ShowProgress(const std::string& what, int thousandths) {
  if (!progress_) progress_ = std::make_unique<ProgressBox>(window_.Handle());
  return progress_->Show(what, thousandths);
}

void Win32FormView::ShowLog(const std::string& text) {
  if (!logViewer_) logViewer_ = std::make_unique<LogViewer>(window_.Handle());
  logViewer_->Show(text);
}

void Win32FormView::Hide() { ::ShowWindow(window_.Handle(), SW_HIDE); }

// Posted: the presenter asks for it from inside the job runner's tick, which the window's
// end must not pull from under.
void Win32FormView::Close() { ::PostMessageW(window_.Handle(), WM_CLOSE, 0, 0); }

}  // namespace vantrel::win32ui
