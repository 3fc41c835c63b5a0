#include "win32ui/hints.h"

#include <commctrl.h>

#include <vector>

#include "platform/errors.h"
#include "platform/win32_text.h"

namespace vantrel::win32ui {

using platform::detail::Utf8;
using platform::detail::Wide;

namespace {

// The hint's text lives with the tooltip, which copies what it is given.
TTTOOLINFOW ToolOf(HWND owner, HWND control, wchar_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  return tool;
}

}  // namespace

Hints::Hints(HWND owner)
    : owner_(owner),
      tips_(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr)) {
  if (!tips_) throw Error("The window's hints cannot be made.");
}

Hints::~Hints() {
  if (::IsWindow(tips_)) ::DestroyWindow(tips_);
}

void Hints::Add(HWND control, const std::string& hint) {
  std::wstring text = Wide(hint);
  TTTOOLINFOW tool = ToolOf(owner_, control, text.data());
  ::SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Hints::Set(HWND control, const std::string& hint) {
  std::wstring text = Wide(hint);
  TTTOOLINFOW tool = ToolOf(owner_, control, text.data());
  ::SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string Hints::Of(HWND control) const {
  // TTM_GETTEXTW has no length to give: a buffer as long as the longest hint allowed.
  std::vector<wchar_t> text(1024, L'\0');
  TTTOOLINFOW tool = ToolOf(owner_, control, text.data());
  ::SendMessageW(tips_, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
  return Utf8(text.data());
}

// Long hints wrap at this width instead of running across the screen.
void Hints::SetWidth(int pixels) { ::SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, pixels); }

}  // namespace vantrel::win32ui
