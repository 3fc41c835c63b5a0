#pragma once
// The job log in a read-only viewer of the window's own, where the system has no program for
// logs or plain texts: the Job log button would otherwise do nothing the user can see. Beside
// the window, not modal; its close hides it until the next time.
#include <windows.h>

#include <string>

namespace vantrel::win32ui {

inline constexpr const wchar_t* kLogViewerTitle = L"Vantrel: job log";
inline constexpr WORD kLogTextId = 100;

class LogViewer {
 public:
  explicit LogViewer(HWND owner);
  ~LogViewer();
  LogViewer(const LogViewer&) = delete;
  LogViewer& operator=(const LogViewer&) = delete;

  HWND Handle() const { return box_; }
  // Shows `text`, brought to the front and scrolled to its end, the last job.
  void Show(const std::string& text);

 private:
  static INT_PTR CALLBACK Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
  void LayOut();

  HWND box_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace vantrel::win32ui
