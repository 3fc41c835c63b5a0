#include "cmdshell/shell_paths.h"

#include <filesystem>
#include <optional>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/search.h"
#include "platform/wildcard.h"

namespace vantrel::cmdshell {

bool HasWildcards(std::string_view name) {
  return platform::WildcardPattern(platform::SplitLastComponent(name).name).HasWildcards();
}

bool IsWellFormedName(std::string_view name, bool wildcardsAllowed) {
  std::size_t pos = 0;
  while (pos <= name.size()) {
    std::size_t end = pos;
    while (end < name.size() && !platform::IsPathSeparator(name[end])) ++end;
    std::string component(name.substr(pos, end - pos));
    const bool last = end == name.size();
    if (last && wildcardsAllowed) {
      for (char& c : component) {
        if (c == '?' || c == '*') c = '_';
      }
    }
    if (!component.empty() && component != "." && component != ".." && !platform::WindowsCanHold(component)) {
      return false;
    }
    pos = end + 1;
  }
  return true;
}

bool EndsWithSeparator(std::string_view name) { return !name.empty() && platform::IsPathSeparator(name.back()); }

std::string JoinName(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string joined(folder);
  if (!EndsWithSeparator(joined)) joined += '\\';
  return joined + std::string(name);
}

NameOnDisk LookUpName(std::string_view name) {
  NameOnDisk found;
  found.path = platform::ResolvePath(name);
  // A resolved path that exists is found again without a read of its folder.
  const platform::EntryState state = platform::StateOf(found.path);
  found.exists = state.exists;
  found.directory = state.directory;
  found.readOnly = state.readOnly;
  return found;
}

void RefuseReadOnly(const NameOnDisk& target) {
  if (target.readOnly) throw InOutError(5);
}

NamedFiles FindNamedFiles(std::string_view name) {
  NamedFiles found;
  found.pattern = std::string(name);
  std::optional<NameOnDisk> exact;
  if (!HasWildcards(name)) exact = LookUpName(name);
  if (EndsWithSeparator(name) || (exact && exact->directory)) found.pattern = JoinName(name, "*");
  const platform::PathParts parts = platform::SplitLastComponent(found.pattern);
  found.folder = found.pattern.substr(0, found.pattern.size() - parts.name.size());
  found.mask = parts.name;
  found.several = HasWildcards(found.pattern);
  if (found.several) {
    for (const platform::FoundEntry& entry : platform::FindEntries(found.pattern, platform::Admit::Files)) {
      found.names.push_back(entry.name);
    }
  } else if (exact->exists && !platform::IsHiddenName(parts.name)) {
    found.names.push_back(platform::SplitLastComponent(exact->path).name);
  }
  found.folderMissing = found.names.empty() && !parts.folder.empty() && !platform::DirectoryExists(parts.folder);
  return found;
}

std::string FullPathForDisplay(std::string_view name) {
  const platform::PathParts parts = platform::SplitLastComponent(name);
  const std::filesystem::path folder = platform::ResolvePath(parts.folder);
  std::filesystem::path full = folder.is_absolute() ? folder : platform::CurrentDirectory() / folder;
  return (full / parts.name).lexically_normal().string();
}

}  // namespace vantrel::cmdshell
