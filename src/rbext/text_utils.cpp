#include "rbext/text_utils.h"

namespace vantrel {

std::string LowerName(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

SplitPathResult SplitPath(std::string_view path) {
  // The name keeps its separator, so a name right under the root leaves the folder empty
  // (the platform's own split keeps the root there instead).
  const std::size_t separator = path.find_last_of("\\/");
  const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator;
  // A dot in a folder name is no extension: the program's own path on Linux has none.
  std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) {
    dot = path.size();
  }
  return {std::string(path.substr(0, nameStart)),
          std::string(path.substr(nameStart, dot - nameStart)), std::string(path.substr(dot))};
}

}  // namespace vantrel
