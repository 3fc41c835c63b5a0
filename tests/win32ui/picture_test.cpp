// The preview: a decoded picture as a DIB with the right pixels, shown at its own size in a
// window that scrolls over it.
#include "window_fixture.h"

#include "platform/errors.h"
#include "win32ui/picture_bitmap.h"

namespace vantrel::win32ui::testing {
namespace {

TEST(DibRows, AreBlueGreenRedPaddedToFourBytesTopRowFirst) {
  const Picture picture{3, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}};
  const std::vector<std::uint8_t> expected = {3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0, 12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0};
  EXPECT_EQ(DibRows(picture), expected);
  EXPECT_EQ(DibRows(Picture{4, 1, std::vector<std::uint8_t>(12, 7)}).size(), 12u) << "a row of 12 bytes needs no padding";
  EXPECT_THROW(DibRows(Picture{2, 2, std::vector<std::uint8_t>(11, 0)}), std::logic_error);
}

TEST(PictureBitmap, HoldsThePicturesPixels) {
  const Picture picture = GradientPicture(5, 3);  // 15 bytes a row: the DIB pads each to 16
  const UniqueGdi<HBITMAP> bitmap = PictureBitmap(picture);
  BITMAP shape{};
  ASSERT_TRUE(::GetObjectW(bitmap.get(), sizeof(shape), &shape));
  EXPECT_EQ(shape.bmWidth, 5);
  EXPECT_EQ(shape.bmHeight, 3);
  const std::vector<std::uint32_t> pixels = PixelsOf(bitmap.get(), 5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(pixels[static_cast<std::size_t>(y * 5 + x)] & 0xffffff, Bgr(x, y, x + y)) << x << "," << y;
    }
  }
}

using Preview = WindowTest;

TEST_F(Preview, ShowPictureDecodesTheFileAndShowsItAtItsSize) {
  pictures["Spitfire\\shot.jpg"] = GradientPicture(400, 300);
  view.ShowPicture("Spitfire\\shot.jpg");
  const HWND pane = Of(Control::ScrollBox1);
  ASSERT_TRUE(window.Preview().PictureSize());
  EXPECT_EQ(window.Preview().PictureSize()->cx, 400);
  EXPECT_EQ(window.Preview().PictureSize()->cy, 300);
  RECT client{};
  ::GetClientRect(pane, &client);
  SCROLLINFO across{static_cast<UINT>(sizeof(SCROLLINFO)), SIF_ALL, 0, 0, 0, 0, 0};
  ::GetScrollInfo(pane, SB_HORZ, &across);
  EXPECT_EQ(across.nMax, 399);
  EXPECT_EQ(static_cast<LONG>(across.nPage), client.right) << "a page is what the window shows";

  std::vector<std::uint32_t> shown = Painted(pane, client.right, client.bottom);
  EXPECT_EQ(shown[0] & 0xffffff, Bgr(0, 0, 0));
  EXPECT_EQ(shown[static_cast<std::size_t>(10 * client.right + 20)] & 0xffffff, Bgr(20, 10, 30));

  ::SendMessageW(pane, WM_HSCROLL, SB_LINEDOWN, 0);
  ::SendMessageW(pane, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(window.Preview().ScrollPosition().x, 16);
  EXPECT_EQ(window.Preview().ScrollPosition().y, std::min<LONG>(client.bottom, 300 - client.bottom));
  shown = Painted(pane, client.right, client.bottom);
  const POINT at = window.Preview().ScrollPosition();
  EXPECT_EQ(shown[0] & 0xffffff, Bgr(at.x, at.y, at.x + at.y)) << "the picture moved with the scroll bars";
}

TEST_F(Preview, APictureThatCannotBeDecodedLeavesThePreviousOne) {
  pictures["a.jpg"] = GradientPicture(40, 30);
  view.ShowPicture("a.jpg");
  EXPECT_THROW(view.ShowPicture("broken.jpg"), Error);
  ASSERT_TRUE(window.Preview().PictureSize());
  EXPECT_EQ(window.Preview().PictureSize()->cx, 40);
}

TEST_F(Preview, NoPictureClearsThePreview) {
  pictures["a.jpg"] = GradientPicture(40, 30);
  view.ShowPicture("a.jpg");
  view.ShowPicture(std::nullopt);
  EXPECT_FALSE(window.Preview().PictureSize());
  RECT client{};
  ::GetClientRect(Of(Control::ScrollBox1), &client);
  const std::vector<std::uint32_t> shown = Painted(Of(Control::ScrollBox1), client.right, client.bottom);
  EXPECT_EQ(shown[0] & 0xffffff, ::GetSysColor(COLOR_BTNFACE) >> 16 | (::GetSysColor(COLOR_BTNFACE) & 0xff00) |
                                     (::GetSysColor(COLOR_BTNFACE) & 0xff) << 16);
}

}  // namespace
}  // namespace vantrel::win32ui::testing
