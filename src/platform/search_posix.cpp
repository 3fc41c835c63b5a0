#include "platform/search.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "platform/fd_io.h"
#include "platform/names.h"
#include "platform/search_rules.h"
#include "platform/wildcard.h"

namespace vantrel::platform {
namespace {

// Whether `name` in the open folder is a folder, asking the file system only when the
// folder listing could not say (links and file systems that leave the type open).
bool EntryIsDirectory(int dirFd, const std::string& folder, const dirent64& entry) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  struct stat st {};
  if (::fstatat(dirFd, entry.d_name, &st, 0) == 0) return S_ISDIR(st.st_mode);
  if (detail::NotThere(errno)) return false;  // a dangling link reads as a file
  detail::ThrowCouldNotLook(errno, detail::JoinPath(folder, entry.d_name));
}

// The entry named exactly `name`, when it exists and the admission rule lets it through.
std::optional<FoundEntry> ExactEntry(const std::string& folder, const std::string& name, Admit admit) {
  if (!detail::NameAdmitted(name, IsHiddenName(name), admit)) return std::nullopt;
  std::string path = detail::JoinPath(folder, name);
  struct stat st {};
  // A link that leads nowhere is an entry all the same.
  if (!detail::StatIfThere(path, st, path) && !detail::StatIfThere(path, st, path, false)) return std::nullopt;
  FoundEntry entry{name, S_ISDIR(st.st_mode), IsHiddenName(name)};
  if (!detail::Wanted(entry.directory, admit)) return std::nullopt;
  return entry;
}

}  // namespace

namespace detail {

void ScanMatches(std::string_view pathPattern, Admit admit, const EntryVisitor& visit) {
  PathParts parts = SplitLastComponent(pathPattern);
  const WildcardPattern pattern(parts.name);

  // A folder that opens as written needs no resolving: every component exists exactly,
  // and an exact match always wins. Searches run by the thousand, so this saves a lookup each.
  std::string folder = parts.folder;
  std::replace(folder.begin(), folder.end(), '\\', '/');
  std::optional<detail::FolderListing> listing;
  if (pattern.HasWildcards()) listing.emplace(folder);
  if (!listing || !*listing) {
    folder = ResolvePath(parts.folder);
    // A plain name needs no listing when it is there as written; the folder is read only
    // to find a variant in another letter case.
    if (!pattern.HasWildcards() && pattern.Matches(parts.name)) {
      if (auto entry = ExactEntry(folder, parts.name, admit)) {
        visit(std::move(*entry));
        return;
      }
    }
    listing.emplace(folder);
  }
  if (!*listing) return;
  while (const dirent64* entry = listing->Next()) {
    std::string_view name(entry->d_name);
    if (!pattern.Matches(name) || !NameAdmitted(name, IsHiddenName(name), admit)) continue;
    bool directory = EntryIsDirectory(listing->Fd(), folder, *entry);
    if (!Wanted(directory, admit)) continue;
    visit(FoundEntry{std::string(name), directory, IsHiddenName(name)});
  }
}

}  // namespace detail

}  // namespace vantrel::platform
