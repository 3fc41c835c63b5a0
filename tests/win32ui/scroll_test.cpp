// A window smaller than its lists and panels can shrink scrolls the form: its bars span the
// form at the window's DPI, shrunk as far as it goes, and scrolling moves every control by the
// amount scrolled. A window large enough has none, after any resize its bars still reach the
// form's far edges, and a list made wider is drawn again whole.
#include "window_fixture.h"

#include "win32ui/dpi.h"

namespace vantrel::win32ui::testing {
namespace {

int At(int pixels, int dpi) { return (pixels * dpi + 48) / 96; }

bool HasBar(HWND window, DWORD bar) { return (::GetWindowLongPtrW(window, GWL_STYLE) & bar) != 0; }

SCROLLINFO BarOf(HWND window, int bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  ::GetScrollInfo(window, bar, &info);
  return info;
}

class Scrolling : public WindowTest {
 protected:
  void Resize(int width, int height) {
    ::SetWindowPos(window.Handle(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE);
    Pump();
  }
  void SetDpi(int dpi, RECT suggested) {
    ::SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    Pump();
  }
  // The window made smaller than its lists and panels can shrink: at Wine's 96 dpi the window
  // fits Wine's screen (1024 × 768) with them shrunk, at 144 dpi not, and the window is no
  // larger than the screen.
  void MakeSmall() { SetDpi(144, {0, 0, 875, 600}); }
  // The client area at the layout's outer size at `dpi`, as narrow and as low as it shrinks:
  // the window's frame taken off, without the bars, which are in the client area.
  SIZE Form(int dpi) const {
    RECT outer{};
    RECT client{};
    ::GetWindowRect(window.Handle(), &outer);
    ::GetClientRect(window.Handle(), &client);
    const int vertical = HasBar(window.Handle(), WS_VSCROLL) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int horizontal = HasBar(window.Handle(), WS_HSCROLL) ? ::GetSystemMetrics(SM_CYHSCROLL) : 0;
    return {At(875, dpi) - MostShrink(static_cast<UINT>(dpi)).Across() -
                ((outer.right - outer.left) - client.right - vertical),
            ::MulDiv(868, dpi, 96) - ::MulDiv(143, dpi, 96) - ::MulDiv(60, dpi, 96) -
                ((outer.bottom - outer.top) - client.bottom - horizontal)};
  }
  // The far edges of the form in the client area: the right of the notes, the bottom of the
  // preview or the notes.
  SIZE FarEdges() const {
    const Box notes = PlaceOf(Control::Notes), preview = PlaceOf(Control::ScrollBox1);
    return {notes.left + notes.width, std::max(preview.top + preview.height, notes.top + notes.height)};
  }
  void Send(UINT message, WPARAM wParam) {
    ::SendMessageW(window.Handle(), message, wParam, 0);
    Pump();
  }
};

// At Wine's 96 dpi the window fits the screen, its lists shrunk; at 144 dpi the layout is
// higher and wider than the screen, at 192 dpi the more.
TEST_F(Scrolling, ASmallWindowsBarsSpanTheLayoutAtItsDpi) {
  Resize(875, 868);
  EXPECT_FALSE(HasBar(window.Handle(), WS_VSCROLL));
  EXPECT_FALSE(HasBar(window.Handle(), WS_HSCROLL));
  for (const int dpi : {144, 192}) {
    SCOPED_TRACE(dpi);
    SetDpi(dpi, {0, 0, 875, 600});
    RECT client{};
    ::GetClientRect(window.Handle(), &client);
    const SIZE form = Form(dpi);
    ASSERT_LT(client.bottom, form.cy);
    ASSERT_TRUE(HasBar(window.Handle(), WS_VSCROLL));
    const SCROLLINFO down = BarOf(window.Handle(), SB_VERT);
    EXPECT_EQ(down.nMin, 0);
    EXPECT_EQ(down.nMax + 1, form.cy);
    EXPECT_EQ(static_cast<int>(down.nPage), client.bottom);
    EXPECT_EQ(down.nPos, 0);
    // Sideways too: the form is wider than the screen.
    ASSERT_LT(client.right, form.cx);
    ASSERT_TRUE(HasBar(window.Handle(), WS_HSCROLL));
    const SCROLLINFO across = BarOf(window.Handle(), SB_HORZ);
    EXPECT_EQ(across.nMax + 1, form.cx);
    EXPECT_EQ(static_cast<int>(across.nPage), client.right);
    // The last controls of the form are in the range.
    EXPECT_LE(PlaceOf(Control::Notes).top + PlaceOf(Control::Notes).height, down.nMax + 1);
    EXPECT_LE(PlaceOf(Control::Notes).left + PlaceOf(Control::Notes).width, across.nMax + 1);
  }
}

// By the bar (a page, a line, its end), by the wheel and sideways, every control moves by
// the amount scrolled and nothing else changes.
TEST_F(Scrolling, MovesEveryControlByTheAmountScrolled) {
  MakeSmall();
  std::vector<Box> before;
  for (const ControlSpec& entry : FormLayout()) before.push_back(PlaceOf(entry.id));
  const auto expectScrolledBy = [&](const char* how) {
    const int x = ::GetScrollPos(window.Handle(), SB_HORZ);
    const int y = ::GetScrollPos(window.Handle(), SB_VERT);
    std::size_t i = 0;
    for (const ControlSpec& entry : FormLayout()) {
      const Box& was = before[i++];
      EXPECT_EQ(PlaceOf(entry.id), (Box{was.left - x, was.top - y, was.width, was.height}))
          << how << ": " << entry.name;
    }
    return Box{x, y, 0, 0};
  };
  Send(WM_VSCROLL, SB_PAGEDOWN);
  const Box page = expectScrolledBy("a page down");
  EXPECT_GT(page.top, 0);
  Send(WM_VSCROLL, SB_BOTTOM);
  const SCROLLINFO down = BarOf(window.Handle(), SB_VERT);
  EXPECT_EQ(expectScrolledBy("to the end").top, down.nMax + 1 - static_cast<int>(down.nPage));
  ::SendMessageW(window.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(10, 10));
  Pump();
  EXPECT_LT(expectScrolledBy("the wheel up").top, down.nPos);
  Send(WM_HSCROLL, SB_LINEDOWN);
  EXPECT_GT(expectScrolledBy("a line to the right").left, 0);
  Send(WM_VSCROLL, SB_TOP);
  Send(WM_HSCROLL, SB_TOP);
  EXPECT_EQ(expectScrolledBy("back to the start"), (Box{0, 0, 0, 0}));
}

// Tab to a control below the window's bottom scrolls it into view, and round to the first
// control back to the top, where the folder box's label shows again.
TEST_F(Scrolling, TheFocusTabbedToIsScrolledIntoView) {
  MakeSmall();
  RECT client{};
  ::GetClientRect(window.Handle(), &client);
  ASSERT_GT(PlaceOf(Control::ScrollBox1).top + PlaceOf(Control::ScrollBox1).height, client.bottom);
  ::SetFocus(Of(Control::PatchSets));
  Press(Of(Control::PatchSets), VK_TAB);
  ASSERT_EQ(::GetFocus(), Of(Control::ScrollBox1));
  const Box shown = PlaceOf(Control::ScrollBox1);
  EXPECT_GE(shown.top, 0);
  EXPECT_EQ(shown.top + shown.height, client.bottom - ::MulDiv(20, 144, 96)) << "a line's room below it, and no more";
  EXPECT_GT(::GetScrollPos(window.Handle(), SB_VERT), 0);

  ::SetFocus(Of(Control::JobLog));
  Press(Of(Control::JobLog), VK_TAB);
  EXPECT_EQ(::GetScrollPos(window.Handle(), SB_VERT), 0);
  EXPECT_EQ(PlaceOf(Control::path).top, ::MulDiv(SpecOf(Control::path).box.top, 144, 96));
}

// Lower and higher, narrower and wider, and back: scrolled to its ends each time, the form
// shows its far edges inside the client area, and at its start its first control.
TEST_F(Scrolling, AfterAnyResizeTheBarsReachTheFarEdges) {
  MakeSmall();
  const SIZE kSizes[] = {{875, 600}, {1024, 700}, {1400, 1500}, {700, 500}, {2000, 1000}, {875, 600}};
  for (const SIZE size : kSizes) {
    SCOPED_TRACE(std::to_string(size.cx) + " x " + std::to_string(size.cy));
    Resize(size.cx, size.cy);
    const Box first = PlaceOf(Control::Label5);
    EXPECT_GE(first.left, 0);
    Send(WM_VSCROLL, SB_BOTTOM);
    Send(WM_HSCROLL, SB_BOTTOM);
    RECT client{};
    ::GetClientRect(window.Handle(), &client);
    const SIZE edges = FarEdges();
    EXPECT_LE(edges.cx, client.right);
    EXPECT_LE(edges.cy, client.bottom);
    Send(WM_VSCROLL, SB_TOP);
    Send(WM_HSCROLL, SB_TOP);
    EXPECT_EQ(PlaceOf(Control::Label5).top, ::MulDiv(SpecOf(Control::Label5).box.top, 144, 96));
    EXPECT_EQ(PlaceOf(Control::Label5), first);
  }
}

// A list made wider by the window is drawn again whole, not only where it grew.
TEST_F(Scrolling, AListMadeWiderIsDrawnAgainWhole) {
  Resize(875, 700);  // and painted: Pump hands out the paint messages too
  ::SetWindowPos(window.Handle(), nullptr, 0, 0, 1000, 700, SWP_NOZORDER | SWP_NOMOVE);  // not yet painted
  for (const Control list : {Control::ListBox1, Control::ListBox2, Control::ListBox3}) {
    RECT all{};
    RECT waiting{};
    ::GetClientRect(Of(list), &all);
    ASSERT_TRUE(::GetUpdateRect(Of(list), &waiting, FALSE)) << RecordingEvents::Name(list) << " is not drawn again";
    EXPECT_TRUE(::EqualRect(&all, &waiting)) << RecordingEvents::Name(list) << ": " << waiting.left << ".." << waiting.right;
  }
}

// At 72 dpi the layout fits Wine's screen: no bars, and a form scrolled before is back at
// its place.
TEST_F(Scrolling, AWindowLargeEnoughHasNoBars) {
  MakeSmall();
  Send(WM_VSCROLL, SB_BOTTOM);
  ASSERT_GT(::GetScrollPos(window.Handle(), SB_VERT), 0);
  RECT suggested{0, 0, At(875, 72), At(868, 72)};
  ::SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(72, 72), reinterpret_cast<LPARAM>(&suggested));
  Pump();
  EXPECT_FALSE(HasBar(window.Handle(), WS_VSCROLL));
  EXPECT_FALSE(HasBar(window.Handle(), WS_HSCROLL));
  EXPECT_EQ(PlaceOf(Control::Button4).top, At(SpecOf(Control::Button4).box.top, 72));
  EXPECT_GE(PlaceOf(Control::path).left, At(SpecOf(Control::path).box.left, 72)) << "pushed by its label's caption, if at all";
}

}  // namespace
}  // namespace vantrel::win32ui::testing
