#include "window_fixture.h"

#include "platform/errors.h"
#include "win32ui/dpi.h"
#include "win32ui/window_text.h"

namespace vantrel::win32ui::testing {

WindowTest::WindowTest()
    : window(::GetModuleHandleW(nullptr), cat),
      view(window, [this](const std::string& path) {
        const auto found = pictures.find(path);
        if (found == pictures.end()) throw Error("Cannot decode " + path);
        return found->second;
      }) {
  events.folderText = [this] { return view.Text(Control::path); };
  window.Forward(events);
  window.SetMessageHook([this](const std::string& text) { messages.push_back(text); });
  window.Show(SW_SHOWNORMAL);
  Pump();
  startEvents = std::move(events.seen);
  events.seen.clear();
}

Box WindowTest::PlaceOf(Control control) const {
  RECT place{};
  ::GetWindowRect(Of(control), &place);
  ::MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&place), 2);
  return ToBox(place);
}

void Pump(MainWindow& window) {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    if (window.Handle() && window.TakesMessage(message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

void WindowTest::Press(HWND target, UINT key) {
  const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  ::PostMessageW(target, WM_KEYDOWN, key, 1 | scan);
  ::PostMessageW(target, WM_KEYUP, key, 1 | scan | (LPARAM{3} << 30));
  Pump();
}

Picture GradientPicture(int width, int height) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.rgb.push_back(static_cast<std::uint8_t>(x));
      picture.rgb.push_back(static_cast<std::uint8_t>(y));
      picture.rgb.push_back(static_cast<std::uint8_t>(x + y));
    }
  }
  return picture;
}

std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0xdeadbeef);
  const HDC screen = ::GetDC(nullptr);
  const int rows = ::GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  EXPECT_EQ(rows, height);
  return pixels;
}

std::uint32_t Bgr(int red, int green, int blue) {
  return static_cast<std::uint32_t>((red & 0xff) << 16 | (green & 0xff) << 8 | (blue & 0xff));
}

std::vector<std::uint32_t> Painted(HWND control, int width, int height) {
  const HDC screen = ::GetDC(nullptr);
  const HDC dc = ::CreateCompatibleDC(screen);
  UniqueGdi<HBITMAP> canvas(::CreateCompatibleBitmap(screen, width, height));
  const HGDIOBJ previous = ::SelectObject(dc, canvas.get());
  ::SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  ::SelectObject(dc, previous);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  return PixelsOf(canvas.get(), width, height);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

}  // namespace vantrel::win32ui::testing
