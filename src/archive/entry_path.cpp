#include "archive/entry_path.h"

#include "platform/errors.h"
#include "platform/names.h"

namespace vantrel::archive {
namespace {

bool IsDriveLetter(std::string_view path) {
  const char c = platform::UpperAscii(path.empty() ? '\0' : path[0]);
  return path.size() >= 2 && c >= 'A' && c <= 'Z' && path[1] == ':';
}

}  // namespace

std::string OutsideText(std::string_view archiveName, std::string_view entry) {
  return std::string(archiveName) + " is refused: its entry \"" + std::string(entry) +
         "\" would land outside the patch folder.";
}

std::string UnholdableText(std::string_view archiveName, std::string_view entry) {
  return std::string(archiveName) + " is refused: Windows cannot hold the name of its entry \"" + std::string(entry) +
         "\".";
}

std::string CheckedEntryPath(std::string_view stored, std::string_view archiveName) {
  if (stored.empty()) throw Error(UnholdableText(archiveName, stored));
  if (platform::IsPathSeparator(stored.front()) || IsDriveLetter(stored)) throw Error(OutsideText(archiveName, stored));
  std::string path;
  std::size_t pos = 0;
  while (pos <= stored.size()) {
    std::size_t end = pos;
    while (end < stored.size() && !platform::IsPathSeparator(stored[end])) ++end;
    const std::string_view name = stored.substr(pos, end - pos);
    pos = end + 1;
    if (name.empty() || name == ".") continue;
    if (name == "..") throw Error(OutsideText(archiveName, stored));
    if (!platform::WindowsCanCreate(name) || !platform::FitsInOneName(name)) {
      throw Error(UnholdableText(archiveName, stored));
    }
    if (!path.empty()) path += '/';
    path += name;
  }
  return path;
}

bool InsideFolder(std::string_view path, std::string_view folder) {
  if (folder.empty()) return true;
  if (path.size() < folder.size() || !platform::SameNameIgnoringCase(path.substr(0, folder.size()), folder)) return false;
  return path.size() == folder.size() || path[folder.size()] == '/';
}

}  // namespace vantrel::archive
