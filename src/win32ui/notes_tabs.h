#pragma once
// Beside the preview: a tab control with the job's page (its outcome line; the job itself runs
// in a console window of its own) and the picked patch's readme, read-only, over which the
// outcome line stays in sight.
#include <windows.h>

#include <optional>
#include <string>

namespace vantrel::win32ui {

class NotesTabs {
 public:
  enum Page { kJob = 0, kReadme = 1 };

  // Takes over `tabs`, a child made of WC_TABCONTROLW, and makes its pages.
  explicit NotesTabs(HWND tabs);

  HWND Handle() const { return tabs_; }
  HWND Readme() const { return readme_; }
  HWND Outcome() const { return outcome_; }
  Page Shown() const;
  // The shown page when it takes the focus (the readme), else nullptr. Tab reaches it right
  // after the tab control.
  HWND FocusPage() const;

  void ShowReadme(const std::optional<std::string>& text, bool toFront);
  void ShowJobOutcome(const std::string& line);
  void Select(Page page);
  // After TCN_SELCHANGE, and whenever the tab control moved or changed its size or font.
  void ShowPage();
  void SetFont(HFONT font);

 private:
  HWND tabs_;
  HWND outcome_;
  HWND readme_;
};

}  // namespace vantrel::win32ui
