#include "win32ui/window_fonts.h"

#include "platform/errors.h"
#include "win32ui/dpi.h"

namespace vantrel::win32ui {

namespace {

// The TrueType successor of the layout's face, which scales to any DPI, and the fixed-pitch
// face that lines the codes up. Windows (and Wine) put a close face in place of one missing.
constexpr const wchar_t* kWindowFace = L"Microsoft Sans Serif";
constexpr const wchar_t* kListFace = L"Courier New";

UniqueGdi<HFONT> PixelFont(const wchar_t* face, int pixels, int weight, BYTE pitch, UINT dpi) {
  // A negative height asks for the character height, as the layout's pixel sizes are.
  const HFONT font = ::CreateFontW(-Scaled(pixels, dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, pitch, face);
  if (!font) throw Error("The window's fonts cannot be made.");
  return UniqueGdi<HFONT>(font);
}

}  // namespace

WindowFonts::WindowFonts(UINT dpi)
    : dpi_(dpi),
      window_(PixelFont(kWindowFace, kWindowFontPixels, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, dpi)),
      bold_(PixelFont(kWindowFace, kBoldFontPixels, FW_BOLD, VARIABLE_PITCH | FF_SWISS, dpi)),
      list_(PixelFont(kListFace, kListFontPixels, FW_NORMAL, FIXED_PITCH | FF_MODERN, dpi)) {}

HFONT WindowFonts::Of(FontRole role) const {
  switch (role) {
    case FontRole::Bold:
      return bold_.get();
    case FontRole::List:
      return list_.get();
    case FontRole::Window:
      break;
  }
  return window_.get();
}

}  // namespace vantrel::win32ui
