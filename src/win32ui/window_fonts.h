#pragma once
// The window's three faces for one DPI. Made anew when the window moves to a monitor of
// another DPI; the controls are given the new ones before the old ones go.
#include <windows.h>

#include <memory>
#include <type_traits>

#include "window/layout_table.h"

namespace vantrel::win32ui {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
template <typename Handle>
using UniqueGdi = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

class WindowFonts {
 public:
  explicit WindowFonts(UINT dpi);
  HFONT Of(FontRole role) const;
  UINT Dpi() const { return dpi_; }

 private:
  UINT dpi_;
  UniqueGdi<HFONT> window_;
  UniqueGdi<HFONT> bold_;
  UniqueGdi<HFONT> list_;
};

}  // namespace vantrel::win32ui
