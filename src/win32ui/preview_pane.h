#pragma once
// The preview: a child window that shows a picture at its own size and scrolls when the
// picture is larger than the window.
#include <windows.h>

#include <optional>

#include "jpeg/jpeg_image.h"
#include "win32ui/window_fonts.h"

namespace vantrel::win32ui {

inline constexpr const wchar_t* kPreviewClass = L"VantrelPreview";

// Registers the preview's window class once per process.
void RegisterPreviewClass(HINSTANCE instance);

class PreviewPane {
 public:
  // Takes over `window`, a child made of kPreviewClass.
  explicit PreviewPane(HWND window);
  ~PreviewPane();
  PreviewPane(const PreviewPane&) = delete;
  PreviewPane& operator=(const PreviewPane&) = delete;

  // Shows `picture` from its top left corner; an empty one clears the preview.
  void Show(const Picture& picture);
  void Clear();
  // The shown picture's size, none when the preview is clear.
  std::optional<SIZE> PictureSize() const;
  POINT ScrollPosition() const { return scroll_; }

  // The window procedure of kPreviewClass.
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc) const;
  void UpdateScrollBars();
  void ScrollBy(int bar, WPARAM request);

  HWND window_;
  UniqueGdi<HBITMAP> bitmap_;
  SIZE size_{};
  POINT scroll_{};
};

}  // namespace vantrel::win32ui
