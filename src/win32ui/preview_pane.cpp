#include "win32ui/preview_pane.h"

#include <algorithm>

#include "platform/errors.h"
#include "win32ui/picture_bitmap.h"

namespace vantrel::win32ui {

namespace {

constexpr int kLineStep = 16;

int ClientExtent(HWND window, int bar) {
  RECT client{};
  ::GetClientRect(window, &client);
  return bar == SB_HORZ ? client.right : client.bottom;
}

}  // namespace

void RegisterPreviewClass(HINSTANCE instance) {
  WNDCLASSEXW kind{};
  if (::GetClassInfoExW(instance, kPreviewClass, &kind)) return;
  kind.cbSize = sizeof(kind);
  kind.lpfnWndProc = &PreviewPane::Procedure;
  kind.hInstance = instance;
  kind.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  kind.lpszClassName = kPreviewClass;
  if (!::RegisterClassExW(&kind)) throw Error("The preview's window class cannot be registered.");
}

PreviewPane::PreviewPane(HWND window) : window_(window) {
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  UpdateScrollBars();
}

PreviewPane::~PreviewPane() {
  if (::IsWindow(window_)) ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

void PreviewPane::Show(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0) return Clear();
  bitmap_ = PictureBitmap(picture);
  size_ = {picture.width, picture.height};
  scroll_ = {};
  UpdateScrollBars();
  ::InvalidateRect(window_, nullptr, TRUE);
}

void PreviewPane::Clear() {
  bitmap_.reset();
  size_ = {};
  scroll_ = {};
  UpdateScrollBars();
  ::InvalidateRect(window_, nullptr, TRUE);
}

std::optional<SIZE> PreviewPane::PictureSize() const {
  if (!bitmap_) return std::nullopt;
  return size_;
}

// The bars show while the picture is larger than the window, and the position never leaves
// part of the window empty that the picture could fill.
void PreviewPane::UpdateScrollBars() {
  for (const int bar : {SB_HORZ, SB_VERT}) {
    const int extent = bar == SB_HORZ ? size_.cx : size_.cy;
    LONG& position = bar == SB_HORZ ? scroll_.x : scroll_.y;
    const int page = ClientExtent(window_, bar);
    position = std::clamp<LONG>(position, 0, std::max(0, extent - page));
    SCROLLINFO info{static_cast<UINT>(sizeof(SCROLLINFO)), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(extent - 1, 0),
                    static_cast<UINT>(std::max(page, 0)), static_cast<int>(position), 0};
    ::SetScrollInfo(window_, bar, &info, TRUE);
  }
}

void PreviewPane::ScrollBy(int bar, WPARAM request) {
  SCROLLINFO info{static_cast<UINT>(sizeof(SCROLLINFO)), SIF_ALL, 0, 0, 0, 0, 0};
  ::GetScrollInfo(window_, bar, &info);
  int position = info.nPos;
  switch (LOWORD(request)) {
    case SB_LINEUP: position -= kLineStep; break;
    case SB_LINEDOWN: position += kLineStep; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
  }
  (bar == SB_HORZ ? scroll_.x : scroll_.y) = position;
  UpdateScrollBars();
  ::InvalidateRect(window_, nullptr, TRUE);
}

void PreviewPane::Paint(HDC dc) const {
  RECT client{};
  ::GetClientRect(window_, &client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  if (!bitmap_) return;
  const HDC source = ::CreateCompatibleDC(dc);
  const HGDIOBJ previous = ::SelectObject(source, bitmap_.get());
  ::BitBlt(dc, -scroll_.x, -scroll_.y, size_.cx, size_.cy, source, 0, 0, SRCCOPY);
  ::SelectObject(source, previous);
  ::DeleteDC(source);
}

LRESULT CALLBACK PreviewPane::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* pane = reinterpret_cast<PreviewPane*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  return pane ? pane->Handle(message, wParam, lParam) : ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT PreviewPane::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = ::BeginPaint(window_, &paint);
      Paint(dc);
      ::EndPaint(window_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the painting fills the whole window
    case WM_SIZE:
      UpdateScrollBars();
      return 0;
    case WM_HSCROLL:
      ScrollBy(SB_HORZ, wParam);
      return 0;
    case WM_VSCROLL:
      ScrollBy(SB_VERT, wParam);
      return 0;
    case WM_MOUSEWHEEL:
      ScrollBy(SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
      return 0;
    case WM_LBUTTONDOWN:
      ::SetFocus(window_);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      switch (wParam) {
        case VK_UP: ScrollBy(SB_VERT, SB_LINEUP); return 0;
        case VK_DOWN: ScrollBy(SB_VERT, SB_LINEDOWN); return 0;
        case VK_LEFT: ScrollBy(SB_HORZ, SB_LINEUP); return 0;
        case VK_RIGHT: ScrollBy(SB_HORZ, SB_LINEDOWN); return 0;
      }
      break;
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace vantrel::win32ui
