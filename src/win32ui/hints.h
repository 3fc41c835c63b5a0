#pragma once
// The controls' hints, shown as tooltips while the mouse rests on a control.
#include <windows.h>

#include <string>

namespace vantrel::win32ui {

class Hints {
 public:
  explicit Hints(HWND owner);
  ~Hints();
  Hints(const Hints&) = delete;
  Hints& operator=(const Hints&) = delete;

  HWND Handle() const { return tips_; }
  // Every control gets a tool, so that a hint can be given later; an empty hint shows nothing.
  void Add(HWND control, const std::string& hint);
  void Set(HWND control, const std::string& hint);
  std::string Of(HWND control) const;
  void SetWidth(int pixels);

 private:
  HWND owner_;
  HWND tips_;
};

}  // namespace vantrel::win32ui
