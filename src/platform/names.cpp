#include "platform/names.h"

#include <algorithm>

namespace vantrel::platform {

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

bool NtfsNameLess(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    auto ua = static_cast<unsigned char>(UpperAscii(a[i]));
    auto ub = static_cast<unsigned char>(UpperAscii(b[i]));
    if (ua != ub) return ua < ub;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  // Linux can hold "abc" and "ABC" side by side; byte order keeps every listing repeatable.
  return a < b;
}

bool WindowsCanHold(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32) return false;
    switch (c) {
      case '<': case '>': case ':': case '"': case '/': case '\\': case '|': case '?': case '*':
        return false;
      default:
        break;
    }
  }
  return true;
}

bool WindowsCanCreate(std::string_view name) {
  if (!WindowsCanHold(name) || name.back() == '.' || name.back() == ' ') return false;
  const std::string_view stem = name.substr(0, name.find('.'));
  for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
    if (SameNameIgnoringCase(stem, device)) return false;
  }
  const bool numbered = stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9';
  return !(numbered && (SameNameIgnoringCase(stem.substr(0, 3), "COM") || SameNameIgnoringCase(stem.substr(0, 3), "LPT")));
}

// Both systems allow 255 units in one name (bytes here, UTF-16 units on Windows); counting
// bytes holds a name to what either can store.
bool FitsInOneName(std::string_view name) { return name.size() <= 255; }

bool IsHiddenName(std::string_view name) { return !name.empty() && name.front() == '.'; }

PathParts SplitLastComponent(std::string_view path) {
  std::size_t sep = path.find_last_of("\\/");
  if (sep == std::string_view::npos) return {"", std::string(path)};
  // A name right under the root keeps the root as its folder.
  std::size_t folderEnd = sep == 0 ? 1 : sep;
  return {std::string(path.substr(0, folderEnd)), std::string(path.substr(sep + 1))};
}

}  // namespace vantrel::platform
