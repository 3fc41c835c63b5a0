// The window's scroll bars. A window smaller than the layout (a small screen, or a large DPI
// on one) keeps the form at the layout's size and scrolls it, as the Qt window's scroll area
// does, rather than cut controls off. The bars come and go with the window's size; the
// controls are placed anew at the scrolled offset.
#include "win32ui/main_window.h"

#include <algorithm>

#include "win32ui/dpi.h"

namespace vantrel::win32ui {

namespace {

// What a click on a bar's arrow, or a line of the mouse wheel, moves: a row of controls.
constexpr int kScrollLine = 20;

// The room a bar takes from the client area, 0 while it is hidden.
int BarThickness(HWND window, LONG bar) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetScrollBarInfo(window, bar, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
    return 0;
  }
  const RECT& place = info.rcScrollBar;
  return bar == OBJID_VSCROLL ? place.right - place.left : place.bottom - place.top;
}

void SetBar(HWND window, int bar, int extent, int page) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMax = extent - 1;
  info.nPage = static_cast<UINT>(std::max(page, 0));
  ::SetScrollInfo(window, bar, &info, TRUE);
}

SIZE ClientSize(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return {client.right, client.bottom};
}

int WheelLines() {
  UINT lines = 3;
  ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return lines == WHEEL_PAGESCROLL ? 3 : static_cast<int>(lines);
}

}  // namespace

SIZE MainWindow::BareClientSize() const {
  const SIZE client = ClientSize(window_);
  return {client.cx + BarThickness(window_, OBJID_VSCROLL), client.cy + BarThickness(window_, OBJID_HSCROLL)};
}

// Each bar shown while the client area is smaller than the form in its direction; a bar
// takes room from the other direction, which may need its bar then too. The room is worked
// out first from the client area without bars (a bar not shown is as thick as the system
// says), so that the bars are set once as a rule; set again with the room Windows left
// until the client area holds still. The places scrolled to are kept, within the new ranges.
POINT MainWindow::FitScrollBars(SIZE form) {
  const POINT scrolled{::GetScrollPos(window_, SB_HORZ), ::GetScrollPos(window_, SB_VERT)};
  const SIZE bare = BareClientSize();
  const int across = BarThickness(window_, OBJID_VSCROLL);
  const int down = BarThickness(window_, OBJID_HSCROLL);
  const SIZE thickness{across ? across : ::GetSystemMetrics(SM_CXVSCROLL),
                       down ? down : ::GetSystemMetrics(SM_CYHSCROLL)};
  bool vertical = bare.cy < form.cy;
  const bool horizontal = bare.cx - (vertical ? thickness.cx : 0) < form.cx;
  vertical = vertical || bare.cy - (horizontal ? thickness.cy : 0) < form.cy;
  SIZE room{bare.cx - (vertical ? thickness.cx : 0), bare.cy - (horizontal ? thickness.cy : 0)};
  for (int round = 0; round < 3; ++round) {
    SetBar(window_, SB_HORZ, form.cx, room.cx);
    SetBar(window_, SB_VERT, form.cy, room.cy);
    const SIZE left = ClientSize(window_);
    if (left.cx == room.cx && left.cy == room.cy) break;
    room = left;
  }
  // Windows keeps a bar's position within its range, and at 0 while the bar is hidden.
  ::SetScrollPos(window_, SB_HORZ, scrolled.x, TRUE);
  ::SetScrollPos(window_, SB_VERT, scrolled.y, TRUE);
  return {::GetScrollPos(window_, SB_HORZ), ::GetScrollPos(window_, SB_VERT)};
}

void MainWindow::Scroll(int bar, WORD request, int wheelLines) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  if (!::GetScrollInfo(window_, bar, &info)) return;
  const int line = Scaled(kScrollLine, Dpi());
  const int page = static_cast<int>(info.nPage);
  int position = info.nPos;
  switch (request) {
    case SB_LINEUP:
      position -= line;
      break;
    case SB_LINEDOWN:
      position += line;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = info.nMin;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    default:
      break;
  }
  position += wheelLines * line;
  if (bar == SB_HORZ) {
    ScrollBy(position - info.nPos, 0);
  } else {
    ScrollBy(0, position - info.nPos);
  }
}

// Windows keeps each position within its bar's range.
void MainWindow::ScrollBy(int across, int down) {
  const POINT was{::GetScrollPos(window_, SB_HORZ), ::GetScrollPos(window_, SB_VERT)};
  if (across != 0) ::SetScrollPos(window_, SB_HORZ, was.x + across, TRUE);
  if (down != 0) ::SetScrollPos(window_, SB_VERT, was.y + down, TRUE);
  if (::GetScrollPos(window_, SB_HORZ) == was.x && ::GetScrollPos(window_, SB_VERT) == was.y) return;
  LayOut();
  ::InvalidateRect(window_, nullptr, TRUE);
}

// The control that has the focus, scrolled into view when it is out of it (after Tab or an
// Alt letter), as the Qt window's scroll area does: with a line's room around it, so that
// its label above shows too, and its near edge first when it is larger than the window.
void MainWindow::ShowFocused() {
  HWND control = ::GetFocus();
  while (control && ::GetParent(control) && ::GetParent(control) != window_) control = ::GetParent(control);
  if (!control || ::GetParent(control) != window_) return;
  RECT place{};
  ::GetWindowRect(control, &place);
  ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
  const SIZE client = ClientSize(window_);
  const int margin = Scaled(kScrollLine, Dpi());
  const auto into = [margin](LONG low, LONG high, int room) {
    if (low >= 0 && high <= room) return 0;  // in view: left where it is
    if (high + margin > room) return std::min<int>(high + margin - room, low - margin);
    return static_cast<int>(low) - margin;
  };
  ScrollBy(into(place.left, place.right, client.cx), into(place.top, place.bottom, client.cy));
}

// A notch of the wheel over the window (or over a control that leaves it to the window)
// moves the form as many lines as the system's setting says.
void MainWindow::Wheel(int bar, int towardsEnd) { Scroll(bar, SB_ENDSCROLL, towardsEnd * WheelLines() / WHEEL_DELTA); }

}  // namespace vantrel::win32ui
