#include "platform/search.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "platform/fd_io.h"
#include "platform/names.h"
#include "platform/wildcard.h"

namespace vantrel::platform {
namespace {

bool IsDotEntry(std::string_view name) { return name == "." || name == ".."; }

bool NameAdmitted(std::string_view name, Admit admit) {
  if (IsDotEntry(name)) return false;
  if (admit != Admit::Everything && IsHiddenName(name)) return false;
  return WindowsCanHold(name);
}

bool Wanted(bool directory, Admit admit) {
  if (admit == Admit::Files) return !directory;
  if (admit == Admit::Folders) return directory;
  return true;
}

// Whether `name` in the open folder is a folder, asking the file system only when the
// folder listing could not say (links and file systems that leave the type open).
bool EntryIsDirectory(int dirFd, const dirent& entry) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  struct stat st {};
  if (::fstatat(dirFd, entry.d_name, &st, 0) != 0) return false;  // a dangling link reads as a file
  return S_ISDIR(st.st_mode);
}

// The entry named exactly `name`, when it exists and the admission rule lets it through.
std::optional<FoundEntry> ExactEntry(const std::string& folder, const std::string& name, Admit admit) {
  if (!NameAdmitted(name, admit)) return std::nullopt;
  std::string path = detail::JoinPath(folder, name);
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 && ::lstat(path.c_str(), &st) != 0) return std::nullopt;
  FoundEntry entry{name, S_ISDIR(st.st_mode), IsHiddenName(name)};
  if (!Wanted(entry.directory, admit)) return std::nullopt;
  return entry;
}

// Calls `visit` with every admitted entry of `pathPattern`, in the folder's own order.
template <class Visit>
void ScanMatches(std::string_view pathPattern, Admit admit, Visit visit) {
  PathParts parts = SplitLastComponent(pathPattern);
  const WildcardPattern pattern(parts.name);

  // A folder that opens as written needs no resolving: every component exists exactly,
  // and an exact match always wins. Searches run by the thousand, so this saves a lookup each.
  std::string folder = parts.folder;
  std::replace(folder.begin(), folder.end(), '\\', '/');
  detail::DirHandle dir;
  if (pattern.HasWildcards()) dir = detail::OpenDir(folder);
  if (!dir) {
    folder = ResolvePath(parts.folder);
    // A plain name needs no listing when it is there as written; the folder is read only
    // to find a variant in another letter case.
    if (!pattern.HasWildcards() && pattern.Matches(parts.name)) {
      if (auto entry = ExactEntry(folder, parts.name, admit)) {
        visit(std::move(*entry));
        return;
      }
    }
    dir = detail::OpenDir(folder);
  }
  if (!dir) return;
  const int dirFd = ::dirfd(dir.get());
  while (const dirent* entry = ::readdir(dir.get())) {
    std::string_view name(entry->d_name);
    if (!pattern.Matches(name) || !NameAdmitted(name, admit)) continue;
    bool directory = EntryIsDirectory(dirFd, *entry);
    if (!Wanted(directory, admit)) continue;
    visit(FoundEntry{std::string(name), directory, IsHiddenName(name)});
  }
}

// Sorts by upper-cased keys made once, so that a large folder costs one pass of
// case folding rather than one per comparison; ties fall back to the stored bytes.
void SortInNtfsOrder(std::vector<FoundEntry>& entries) {
  struct Keyed {
    std::string key;
    std::size_t index;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::string key = entries[i].name;
    for (char& c : key) c = UpperAscii(c);
    keyed.push_back({std::move(key), i});
  }
  std::sort(keyed.begin(), keyed.end(), [&entries](const Keyed& a, const Keyed& b) {
    if (int order = a.key.compare(b.key); order != 0) return order < 0;
    return entries[a.index].name < entries[b.index].name;
  });
  std::vector<FoundEntry> sorted;
  sorted.reserve(entries.size());
  for (const Keyed& k : keyed) sorted.push_back(std::move(entries[k.index]));
  entries = std::move(sorted);
}

}  // namespace

std::vector<FoundEntry> FindEntries(std::string_view pathPattern, Admit admit) {
  std::vector<FoundEntry> found;
  ScanMatches(pathPattern, admit, [&found](FoundEntry&& entry) { found.push_back(std::move(entry)); });
  SortInNtfsOrder(found);
  return found;
}

std::string FindFirstName(std::string_view pathPattern, Admit admit) {
  std::optional<std::string> first;
  ScanMatches(pathPattern, admit, [&first](FoundEntry&& entry) {
    if (!first || NtfsNameLess(entry.name, *first)) first = std::move(entry.name);
  });
  return first.value_or(std::string());
}

}  // namespace vantrel::platform
