#include "win32ui/entry_drawing.h"

#include <algorithm>

#include "window/aside_place.h"

namespace vantrel::win32ui {

namespace {

constexpr COLORREF kWarningColour = RGB(176, 0, 0);
constexpr UINT kOneLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

// The DC's font, colours and background mode, given back as they were.
class DcState {
 public:
  DcState(HDC dc, HFONT font) : dc_(dc), saved_(::SaveDC(dc)) {
    ::SelectObject(dc_, font);
    ::SetBkMode(dc_, TRANSPARENT);
  }
  ~DcState() { ::RestoreDC(dc_, saved_); }
  DcState(const DcState&) = delete;
  DcState& operator=(const DcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace

int TextWidth(HDC dc, const std::wstring& text) {
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

int RowHeight(HFONT font, int least) {
  const HDC dc = ::GetDC(nullptr);
  const HGDIOBJ earlier = ::SelectObject(dc, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, earlier);
  ::ReleaseDC(nullptr, dc);
  return std::max(least, static_cast<int>(metrics.tmHeight));
}

void DrawEntry(const DRAWITEMSTRUCT& item, const EntryLook& look) {
  const HDC dc = item.hDC;
  const RECT& row = item.rcItem;
  const DcState state(dc, reinterpret_cast<HFONT>(::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool selected = (item.itemState & ODS_SELECTED) != 0 && !disabled;
  ::FillRect(dc, &row, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const COLORREF muted = ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT);
  ::SetTextColor(dc, disabled ? muted
                     : selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                     : look.marked ? kWarningColour
                     : ::GetSysColor(COLOR_WINDOWTEXT));
  // A text longer than the row is cut at its edge, as a list box cuts it; its tooltip tells it whole.
  RECT text = row;
  text.left += kEntryInset;
  ::DrawTextW(dc, look.text.c_str(), static_cast<int>(look.text.size()), &text, kOneLine | DT_LEFT);
  if (!look.beside.empty()) {
    // DT_END_ELLIPSIS cuts with three dots: the shortest cut is a few letters and those.
    const std::wstring sign = L"\u2022";
    const AsidePlace place =
        PlaceAside({static_cast<int>(row.right - row.left), kEntryInset + TextWidth(dc, look.text), TextWidth(dc, L"  "),
                    TextWidth(dc, look.beside), TextWidth(dc, L"Abcd..."), TextWidth(dc, sign)});
    if (place.shown != AsideShown::Nothing) {
      const std::wstring& shown = place.shown == AsideShown::Sign ? sign : look.beside;
      RECT span{row.left + place.left, row.top, row.left + place.right, row.bottom};
      ::SetTextColor(dc, muted);
      ::DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &span, kOneLine | DT_RIGHT | DT_END_ELLIPSIS);
    }
  }
  if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &row);
}

}  // namespace vantrel::win32ui
