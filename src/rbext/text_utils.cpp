#include "rbext/text_utils.h"

#include "platform/names.h"

namespace vantrel {

std::string LowerName(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

SplitPathResult SplitPath(std::string_view path) {
  const platform::PathParts parts = platform::SplitLastComponent(path);
  // A dot in a folder name is no extension: the program's own path on Linux has none.
  const std::size_t dot = parts.name.rfind('.');
  const std::size_t extensionLength = dot == std::string::npos ? 0 : parts.name.size() - dot;
  // The name keeps its separator, which sits just after the folder text.
  const std::string_view withoutExtension = path.substr(0, path.size() - extensionLength);
  return {parts.folder, std::string(withoutExtension.substr(parts.folder.size())),
          std::string(path.substr(path.size() - extensionLength))};
}

}  // namespace vantrel
