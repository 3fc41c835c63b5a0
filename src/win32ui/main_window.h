#pragma once
// The program's one window on Windows: every control of the layout table as the native
// control its kind names, at the table's places scaled to the monitor's DPI, the lists grown
// with the window. It forwards its controls' events, and the files dropped on it, to
// FormEvents and does nothing of its own beyond showing; Win32FormView sets what it shows.
#include <windows.h>

#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "catalogue/catalogue.h"
#include "rbext/message_hook.h"
#include "win32ui/entry_list_box.h"
#include "win32ui/form_events.h"
#include "win32ui/hints.h"
#include "win32ui/notes_tabs.h"
#include "win32ui/preview_pane.h"
#include "win32ui/window_fonts.h"

namespace vantrel::win32ui {

inline constexpr const wchar_t* kMainWindowClass = L"VantrelWindow";

// The commands of the window's keys (an accelerator table), beside the controls' ids.
enum KeyCommand : WORD { kRefreshKey = 40001, kCloseKey, kAddArchiveKey, kFilterKey };

class MainWindow {
 public:
  // Made hidden, at the layout's place fitted to its screen; Show brings it up.
  MainWindow(HINSTANCE instance, Catalogue& cat);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND Handle() const { return window_; }
  HWND ControlWindow(Control control) const { return controls_[static_cast<std::size_t>(control)]; }
  UINT Dpi() const { return fonts_->Dpi(); }
  const WindowFonts& Fonts() const { return *fonts_; }

  // Where the events go from now on; none are forwarded before.
  void Forward(FormEvents& events) { events_ = &events; }
  // Where the texts of errors raised in the window's own work go (a box unless replaced).
  void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
  // Run when the window is gone: the program's message loop ends there.
  void OnDestroyed(std::function<void()> run) { destroyed_ = std::move(run); }
  // Runs `tick` every `milliseconds` from the window's timer (the job runner's polling).
  void EveryTick(UINT milliseconds, std::function<void()> tick);
  void Show(int how);

  // The window's keys: true when `message` was one of them (an accelerator, Tab, an Alt
  // letter) and has been handled. The message loop asks before dispatching.
  bool TakesMessage(MSG& message);

  // What the view works on.
  EntryListBox& ListOf(Control list);
  PreviewPane& Preview() { return *preview_; }
  NotesTabs& Notes() { return *notes_; }
  Hints& Tips() { return *hints_; }
  // Sets the folder box's text without raising FolderTextChanged.
  void SetFolderTextQuietly(const std::string& text);
  void ShowJobOutcome(const std::string& line) { notes_->ShowJobOutcome(line); }
  // The job runner's end of a job, forwarded as JobEnded.
  void JobEnded();
  // Runs `task` on the window's thread from its message loop; called from any thread. A task
  // still waiting when the window goes is dropped.
  void RunLater(std::function<void()> task);
  void ShowMessage(const std::string& text) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ListKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleListKey(Control list, UINT message, WPARAM wParam, LPARAM lParam);
  void ShowWholeEntry(Control list, LPARAM at);
  // Active patches' menu, at `at` (screen coordinates; -1, -1 for the keyboard's menu key).
  void ShowActiveMenu(LPARAM at);
  void Command(WORD id, WORD code);
  std::optional<Control> FocusedControl() const;
  HWND NextTabStop(HWND from, bool back) const;
  void Raise(const std::function<void(FormEvents&)>& event);

  // main_window_layout.cpp: the controls, their fonts and their places.
  void CreateControls();
  void ApplyFonts();
  int ListRowHeight(Control list) const;
  void FitToScreen();
  void LayOut();
  void DpiChanged(UINT dpi, const RECT& suggested);
  void LimitSize(MINMAXINFO& limits) const;
  SIZE ReferenceClientSize() const;

  // main_window_scroll.cpp: the scroll bars of a window smaller than the layout.
  SIZE BareClientSize() const;
  POINT FitScrollBars(SIZE form);
  void Scroll(int bar, WORD request, int wheelLines = 0);
  void ScrollBy(int across, int down);
  void Wheel(int bar, int towardsEnd);
  void ShowFocused();

  HINSTANCE instance_;
  Catalogue& cat_;
  HWND window_ = nullptr;
  std::atomic<HWND> postTo_ = nullptr;  // the window while RunLater may post to it, from any thread
  std::array<HWND, kControlCount> controls_{};
  std::unique_ptr<WindowFonts> fonts_;
  std::unique_ptr<Hints> hints_;
  std::unique_ptr<PreviewPane> preview_;
  std::unique_ptr<NotesTabs> notes_;
  std::map<Control, std::unique_ptr<EntryListBox>> lists_;
  HACCEL keys_ = nullptr;
  FormEvents* events_ = nullptr;
  MessageHook messageHook_;
  std::function<void()> destroyed_;
  std::function<void()> tick_;
  HWND focus_ = nullptr;  // the control that had the focus when the window was left
  bool activatedOnce_ = false;
  bool placing_ = false;  // while LayOut runs: the scroll bars it sets resize the client area
  int quiet_ = 0;  // while the program sets the folder box's text
};

}  // namespace vantrel::win32ui
