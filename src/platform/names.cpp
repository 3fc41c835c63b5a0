#include "platform/names.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cerrno>
#include <optional>

#include "platform/fd_io.h"
#include "platform/name_index.h"

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

bool FitsInOneName(std::string_view name) { return name.size() <= NAME_MAX; }

bool IsHiddenName(std::string_view name) { return !name.empty() && name.front() == '.'; }

std::string ResolvePath(std::string_view path) {
  const bool absolute = !path.empty() && IsPathSeparator(path.front());
  std::string resolved(absolute ? 1 : 0, '/');
  // Once a component is missing, nothing below it can exist: keep the rest as written.
  bool resolving = true;
  std::size_t pos = 0;
  while (pos < path.size()) {
    std::size_t end = pos;
    while (end < path.size() && !IsPathSeparator(path[end])) ++end;
    std::string_view component = path.substr(pos, end - pos);
    pos = end + 1;
    if (component.empty()) continue;

    std::string name(component);
    if (resolving && component != "." && component != "..") {
      struct stat st {};
      if (::lstat(detail::JoinPath(resolved, name).c_str(), &st) != 0) {
        std::optional<std::string> variant;
        if (errno == ENOENT) variant = detail::FindCaseVariant(resolved, component);
        if (variant) {
          name = std::move(*variant);
        } else {
          resolving = false;
        }
      }
    }
    resolved = detail::JoinPath(resolved, name);
  }
  if (!path.empty() && IsPathSeparator(path.back()) && !resolved.empty() && resolved.back() != '/') resolved += '/';
  return resolved;
}

PathParts SplitLastComponent(std::string_view path) {
  std::size_t sep = path.find_last_of("\\/");
  if (sep == std::string_view::npos) return {"", std::string(path)};
  // A name right under the root keeps the root as its folder.
  std::size_t folderEnd = sep == 0 ? 1 : sep;
  return {std::string(path.substr(0, folderEnd)), std::string(path.substr(sep + 1))};
}

}  // namespace vantrel::platform
