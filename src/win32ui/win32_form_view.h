#pragma once
// The FormView of the Win32 window: each call does what it says on the native controls.
// Texts are UTF-8 here and UTF-16 at every Win32 call.
#include "window/form_view.h"
#include "win32ui/main_window.h"
#include "win32ui/picture_loading.h"

namespace vantrel::win32ui {

class Win32FormView : public FormView {
 public:
  Win32FormView(MainWindow& window, PictureLoader loadPicture);

  void SetTitle(const std::string& title) override;
  void SetText(Control control, const std::string& text) override;
  std::string Text(Control control) const override;
  void SetEnabled(Control control, bool enabled) override;
  void SetChecked(Control control, bool checked) override;
  void SetHint(Control control, const std::string& hint) override;
  void SetShown(Control control, bool shown) override;
  void ShowFromStart(Control line) override;
  void ScrollToTop(Control list, std::size_t row) override;
  void KeepInView(Control list, std::size_t row) override;
  void ShowPicture(const std::optional<std::string>& file) override;
  void ShowReadme(const std::optional<std::string>& text, bool toFront) override;
  bool Ask(const std::string& question) override;
  void ShowMessage(const std::string& text) override;
  Reply AskOrCancel(const std::string& question) override;
  void Hide() override;
  void Close() override;

 private:
  MainWindow& window_;
  PictureLoader loadPicture_;
};

}  // namespace vantrel::win32ui
