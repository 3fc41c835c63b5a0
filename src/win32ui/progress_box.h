#pragma once
// How far the unpacking of a large patch has come, in a box titled "Vantrel" with a Cancel
// button. While it is up the window takes no input; the messages of both go on being handled
// whenever the box is told of progress, so that the box shows it and its Cancel is heard.
#include <windows.h>

#include <string>

namespace vantrel::win32ui {

inline constexpr WORD kProgressTextId = 100;
inline constexpr WORD kProgressBarId = 101;

class ProgressBox {
 public:
  explicit ProgressBox(HWND owner);
  ~ProgressBox();  // the window takes input again
  ProgressBox(const ProgressBox&) = delete;
  ProgressBox& operator=(const ProgressBox&) = delete;

  HWND Handle() const { return box_; }
  // Shows `what` and how far it has come, in thousandths, and handles the messages waiting.
  // False once the user has cancelled.
  bool Show(const std::string& what, int thousandths);

 private:
  static INT_PTR CALLBACK Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

  HWND owner_;
  HWND box_ = nullptr;
  std::string what_;
  bool cancelled_ = false;
};

}  // namespace vantrel::win32ui
