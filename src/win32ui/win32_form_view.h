#pragma once
// The FormView of the Win32 window: each call does what it says on the native controls.
// Texts are UTF-8 here and UTF-16 at every Win32 call.
#include <memory>

#include "window/form_view.h"
#include "win32ui/log_viewer.h"
#include "win32ui/main_window.h"
#include "win32ui/picture_loading.h"
#include "win32ui/progress_box.h"
#include "win32ui/system_program.h"

namespace vantrel::win32ui {

class Win32FormView : public FormView {
 public:
  // `openFile` opens the job log where the system has a program for it.
  Win32FormView(MainWindow& window, PictureLoader loadPicture, FileOpener openFile = OpenWithSystemHandler);

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
  bool Ask(const std::string& question, const std::string& details) override;
  void ShowMessage(const std::string& text) override;
  Reply AskOrCancel(const std::string& question) override;
  std::optional<std::string> ChooseArchive() override;
  std::optional<std::string> ChooseSetFile(bool toSave) override;
  std::optional<std::size_t> Choose(const std::string& question, const std::vector<std::string>& choices) override;
  std::optional<std::string> AskText(const std::string& question, const std::string& text) override;
  bool ShowProgress(const std::string& what, int thousandths) override;
  void EndProgress() override { progress_.reset(); }
  bool OpenInSystemProgram(const std::string& file) override { return openFile_(file); }
  void ShowLog(const std::string& text) override;
  void Hide() override;
  void Close() override;
  void MarkEntries(Control list, const std::map<std::string, std::string>& reasons) override {
    window_.ListOf(list).SetMarks(reasons);
  }
  void RunOnWindowThread(std::function<void()> task) override { window_.RunLater(std::move(task)); }

  // The job log's viewer once it has been shown, else nullptr.
  const LogViewer* Viewer() const { return logViewer_.get(); }

 private:
  MainWindow& window_;
  PictureLoader loadPicture_;
  FileOpener openFile_;
  std::unique_ptr<ProgressBox> progress_;  // while a large patch is unpacked
  std::unique_ptr<LogViewer> logViewer_;   // made the first time the log is shown
};

}  // namespace vantrel::win32ui
