// The window draws its lists' entries: what an entry shows beside it at the right of its row
// in the room its text leaves, never over the text; the selected entry in the highlight
// colour, a marked one in the colour of a warning, a disabled list greyed.
#include "window_fixture.h"

#include "platform/win32_text.h"
#include "win32ui/entry_drawing.h"

namespace vantrel::win32ui::testing {
namespace {

class ListDrawing : public WindowTest {
 protected:
  ListDrawing() { ::GetClientRect(list, &client); }

  std::vector<std::uint32_t> Paint() const { return Painted(list, client.right, client.bottom); }
  int WidthOf(const std::string& text) const {
    const HDC dc = ::GetDC(list);
    const HGDIOBJ earlier = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(list, WM_GETFONT, 0, 0)));
    const int width = TextWidth(dc, platform::detail::Wide(text));
    ::SelectObject(dc, earlier);
    ::ReleaseDC(list, dc);
    return width;
  }
  // Calls `look(x, index)` for each pixel of the row `row`.
  template <typename Look>
  void ForRow(int row, Look look) const {
    RECT item{};
    ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    for (LONG y = item.top; y < item.bottom; ++y) {
      for (LONG x = 0; x < client.right; ++x) look(static_cast<int>(x), static_cast<std::size_t>(y * client.right + x));
    }
  }
  // The first and one past the last column of the row where two paintings differ; {0, 0} for none.
  std::pair<int, int> Changed(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b, int row) const {
    std::pair<int, int> changed{0, 0};
    ForRow(row, [&](int x, std::size_t at) {
      if (a[at] != b[at]) changed = {changed.second == 0 ? x : std::min(changed.first, x), std::max(changed.second, x + 1)};
    });
    return changed;
  }
  int RedPixels(const std::vector<std::uint32_t>& pixels, int row) const {
    int red = 0;
    ForRow(row, [&](int, std::size_t at) {
      const int r = (pixels[at] >> 16) & 0xff, g = (pixels[at] >> 8) & 0xff, b = pixels[at] & 0xff;
      red += r > g + 60 && r > b + 60;
    });
    return red;
  }

  HWND list = Of(Control::ListBox3);
  RECT client{};
};

TEST_F(ListDrawing, AnAsideIsDrawnRightOfItsEntrysTextInTheRoomTheTextLeaves) {
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(list, GWL_STYLE));
  ASSERT_EQ(style & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS), DWORD{LBS_OWNERDRAWFIXED | LBS_HASSTRINGS});
  const std::string room = "0305_Camel", plain = "0612_Big Tank", narrow = "0612_Big Tank, the heavier of the two";
  const std::string half(static_cast<std::size_t>(client.right / WidthOf("x") / 2), 'x');
  const std::string slot = "Sopwith Camel F.1 of No. 70 Squadron";
  cat.ListBox3.Replace({room, plain, narrow, half});
  const std::vector<std::uint32_t> bare = Paint();
  cat.ListBox3.SetAsides({{room, {"Camel", ""}}, {narrow, {slot, ""}}, {half, {slot, ""}}});
  const std::vector<std::uint32_t> beside = Paint();
  ASSERT_GT(WidthOf(narrow), client.right);
  ASSERT_GT(WidthOf(half + slot), client.right);

  const auto [left, right] = Changed(bare, beside, 0);
  EXPECT_GT(left, WidthOf(room)) << "right of the text";
  EXPECT_GE(left, client.right - WidthOf("Camel  ")) << "at the row's right";
  EXPECT_EQ(Changed(bare, beside, 1), std::pair(0, 0)) << "no aside";
  EXPECT_EQ(Changed(bare, beside, 2), std::pair(0, 0)) << "no room: the text wins";
  const auto [cutLeft, cutRight] = Changed(bare, beside, 3);
  EXPECT_GT(cutLeft, WidthOf(half)) << "right of the text";
  EXPECT_LT(cutRight - cutLeft, WidthOf(slot)) << "cut short";
}

TEST_F(ListDrawing, TheRowsColoursTellTheSelectionTheMarkAndADisabledList) {
  cat.ListBox3.Replace({"0305_Camel", "0612_Big Tank"});
  cat.ListBox3.Select(0);
  window.ListOf(Control::ListBox3).SetMarks({{"0612_Big Tank", "Its files are not in place."}});
  const auto rightOfRow0 = [&](const std::vector<std::uint32_t>& pixels) {
    RECT item{};
    ::SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const COLORREF colour = pixels[static_cast<std::size_t>((item.top + item.bottom) / 2 * client.right) + client.right - 4];
    return RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour));  // a pixel's red and blue swapped
  };
  const std::vector<std::uint32_t> enabled = Paint();
  EXPECT_EQ(rightOfRow0(enabled), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(RedPixels(enabled, 0), 0);
  EXPECT_GT(RedPixels(enabled, 1), 5) << "the marked entry";

  ::EnableWindow(list, FALSE);
  const std::vector<std::uint32_t> disabled = Paint();
  EXPECT_EQ(rightOfRow0(disabled), ::GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(RedPixels(disabled, 1), 0) << "greyed";
}

}  // namespace
}  // namespace vantrel::win32ui::testing
