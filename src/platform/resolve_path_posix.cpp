#include "platform/names.h"

#include <sys/stat.h>

#include <cerrno>
#include <optional>

#include "platform/fd_io.h"
#include "platform/name_index.h"

namespace vantrel::platform {

std::string ResolvePath(std::string_view path) {
  // A path that is there as written resolves to itself: one look, where each component would
  // take one of its own. (A component missing as written is looked for in another case below.)
  std::string written(path);
  for (char& c : written) {
    if (IsPathSeparator(c)) c = '/';
  }
  struct stat whole {};
  if (!written.empty() && ::lstat(written.c_str(), &whole) == 0) return written;
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
      if (!detail::StatIfThere(detail::JoinPath(resolved, name), st, path, false)) {
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

}  // namespace vantrel::platform
