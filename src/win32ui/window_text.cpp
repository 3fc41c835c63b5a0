#include "win32ui/window_text.h"

#include "platform/win32_text.h"

namespace vantrel::win32ui {

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return platform::detail::Utf8(text);
}

std::string WithWindowsLineEnds(const std::string& text) {
  std::string lines;
  lines.reserve(text.size() + text.size() / 16);
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r')) lines += '\r';
    lines += text[at];
  }
  return lines;
}

}  // namespace vantrel::win32ui
