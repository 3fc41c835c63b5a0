#pragma once
// One entry of a list the window draws itself: its text at the left, a marked one in the
// colour of a warning, what it shows beside it at the right in the muted colour, in the room
// the text leaves (PlaceAside); the selected entry in the system's highlight colours, the
// focus framed, a disabled list greyed.
#include <windows.h>

#include <string>

namespace vantrel::win32ui {

// How far in from the row's left edge the entry's text starts.
inline constexpr int kEntryInset = 2;

struct EntryLook {
  std::wstring text;    // as the control holds it
  std::wstring beside;  // "" for none
  bool marked = false;
};

// Draws the entry into `item.hDC` in the list's font, over its whole row.
void DrawEntry(const DRAWITEMSTRUCT& item, const EntryLook& look);

// The width of `text` in the font selected into `dc`.
int TextWidth(HDC dc, const std::wstring& text);

// The row height of a list in `font`: `least` or the font's own line, whichever is higher.
int RowHeight(HFONT font, int least);

}  // namespace vantrel::win32ui
