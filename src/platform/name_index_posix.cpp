#include "platform/name_index.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cerrno>
#include <list>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/fd_io.h"
#include "platform/files.h"
#include "platform/names.h"

namespace vantrel::platform::detail {
namespace {

// A job works in a handful of folders at a time (the game's, a patch folder, a volume
// folder); more would only hold memory for folders no longer in use.
constexpr std::size_t kFolders = 8;

std::optional<FolderStamp> StampAt(int dirFd, const char* path, int flags) {
  struct statx sx {};
  if (::statx(dirFd, path, flags, STATX_TYPE | STATX_INO | STATX_MTIME | STATX_BTIME, &sx) != 0) return std::nullopt;
  if (!S_ISDIR(sx.stx_mode)) {
    errno = ENOTDIR;
    return std::nullopt;
  }
  FolderStamp stamp;
  stamp.device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
  stamp.inode = sx.stx_ino;
  if (sx.stx_mask & STATX_BTIME) {
    stamp.bornSeconds = sx.stx_btime.tv_sec;
    stamp.bornNanos = sx.stx_btime.tv_nsec;
  }
  stamp.modifiedSeconds = sx.stx_mtime.tv_sec;
  stamp.modifiedNanos = sx.stx_mtime.tv_nsec;
  return stamp;
}

std::string UpperCased(std::string_view name) {
  std::string key(name);
  for (char& c : key) c = UpperAscii(c);
  return key;
}

bool Indexable(std::string_view name) { return name != "." && name != ".." && WindowsCanHold(name); }

struct FolderNames {
  FolderStamp stamp;
  // Upper-cased name to the names stored under it, in NTFS order. Linux holds "abc" and
  // "ABC" side by side, so removing one must leave the other findable.
  std::unordered_map<std::string, std::vector<std::string>> byKey;

  void Add(const std::string& name) {
    std::vector<std::string>& stored = byKey[UpperCased(name)];
    auto at = std::lower_bound(stored.begin(), stored.end(), name,
                               [](const std::string& a, const std::string& b) { return NtfsNameLess(a, b); });
    if (at == stored.end() || *at != name) stored.insert(at, name);
  }

  void Remove(const std::string& name) {
    auto found = byKey.find(UpperCased(name));
    if (found == byKey.end()) return;
    std::erase(found->second, name);
    if (found->second.empty()) byKey.erase(found);
  }
};

// Reads `folder` once. The stamp is taken from the open folder before the listing, so a
// change made while it is read shows as a newer stamp at the next lookup.
// A folder that cannot be read raises, as does a listing that fails part-way: a name
// missing from the index would read as a name missing from the folder.
std::optional<FolderNames> ReadFolder(const std::string& folder) {
  FolderListing listing(folder);
  if (!listing) return std::nullopt;
  std::optional<FolderStamp> stamp = StampAt(listing.Fd(), "", AT_EMPTY_PATH);
  if (!stamp) ThrowCouldNotLook(errno, folder);
  FolderNames names;
  names.stamp = *stamp;
  while (const dirent64* entry = listing.Next()) {
    if (Indexable(entry->d_name)) names.Add(entry->d_name);
  }
  return names;
}

class NameIndex {
 public:
  std::optional<std::string> Find(const std::string& folder, std::string_view name) {
    std::optional<FolderStamp> now = StampNow(folder);
    if (!now) return std::nullopt;
    std::lock_guard lock(mutex_);
    const FolderNames* folderNames = Current(folder, *now);
    if (!folderNames) return std::nullopt;
    auto found = folderNames->byKey.find(UpperCased(name));
    if (found == folderNames->byKey.end()) return std::nullopt;
    return found->second.front();
  }

  void Read(const std::string& folder) {
    std::optional<FolderStamp> now = StampNow(folder);
    if (!now) return;
    std::lock_guard lock(mutex_);
    Current(folder, *now);
  }

  bool Empty() {
    std::lock_guard lock(mutex_);
    return folders_.empty();
  }

  // Writes one entry the platform added or removed into the folder's index. The index
  // follows only when it showed the folder as it was just before the change, or as it is
  // just after it (the other half of a rename within the folder got there first);
  // otherwise someone else changed the folder too and its index is dropped.
  //
  // What this cannot see: another process changing the same folder between `before` and
  // `after`, or within the same tick of the file system's clock as a change of ours, leaves
  // the stamp we take as current, so its entry stays unknown (or known after it is gone)
  // until the folder changes again. Variants are asked for only after an exact lookup
  // misses, so a stale index can give a new file the wrong spelling or miss a variant,
  // but never hides a name that is there as written.
  void Note(const std::string& folder, const FolderStamp& before, const std::string& name, bool added) {
    std::optional<FolderStamp> after = StampOf(folder);
    std::lock_guard lock(mutex_);
    auto folderNames = FindFolder(before);
    if (folderNames == folders_.end()) return;
    const bool follows = after && after->SameFolder(before) &&
                         (folderNames->stamp == before || folderNames->stamp == *after);
    if (!follows) {
      folders_.erase(folderNames);
      return;
    }
    if (Indexable(name)) {
      if (added) {
        folderNames->Add(name);
      } else {
        folderNames->Remove(name);
      }
    }
    folderNames->stamp = *after;
  }

  void Drop() {
    std::lock_guard lock(mutex_);
    folders_.clear();
  }

  std::size_t Reads() {
    std::lock_guard lock(mutex_);
    return reads_;
  }

 private:
  // None when the folder is not there.
  static std::optional<FolderStamp> StampNow(const std::string& folder) {
    std::optional<FolderStamp> now = StampOf(folder);
    if (!now && !NotThere(errno)) ThrowCouldNotLook(errno, folder);
    return now;
  }

  // The folder's index as the folder shows `now`, read again when it has changed since;
  // nullptr when it has gone meanwhile. Called with the lock held.
  const FolderNames* Current(const std::string& folder, const FolderStamp& now) {
    auto folderNames = FindFolder(now);
    if (folderNames != folders_.end() && folderNames->stamp == now) return &*folderNames;
    if (folderNames != folders_.end()) folders_.erase(folderNames);
    std::optional<FolderNames> read = ReadFolder(folder);
    ++reads_;
    if (!read) return nullptr;
    folders_.push_front(std::move(*read));
    if (folders_.size() > kFolders) folders_.pop_back();
    return &folders_.front();
  }

  // The folder's index, moved to the front as the most recently used.
  std::list<FolderNames>::iterator FindFolder(const FolderStamp& stamp) {
    auto found = std::find_if(folders_.begin(), folders_.end(),
                              [&stamp](const FolderNames& names) { return names.stamp.SameFolder(stamp); });
    if (found != folders_.end() && found != folders_.begin()) folders_.splice(folders_.begin(), folders_, found);
    return found == folders_.end() ? found : folders_.begin();
  }

  std::mutex mutex_;
  std::list<FolderNames> folders_;
  std::size_t reads_ = 0;
};

NameIndex& TheIndex() {
  // Never destroyed: freeing the names of large folders would only hold up the exit.
  static NameIndex& index = *new NameIndex;
  return index;
}

}  // namespace

std::optional<FolderStamp> StampOf(const std::string& folder) {
  return StampAt(AT_FDCWD, folder.empty() ? "." : folder.c_str(), 0);
}

std::optional<std::string> FindCaseVariant(const std::string& folder, std::string_view name) {
  return TheIndex().Find(folder, name);
}

FolderChange::FolderChange(std::string_view posixPath) {
  PathParts parts = SplitResolvedPath(posixPath);
  folder_ = std::move(parts.folder);
  name_ = std::move(parts.name);
  // With no folder indexed there is nothing to keep up to date; a folder indexed later is
  // read after this change.
  if (!TheIndex().Empty()) before_ = StampOf(folder_);
}

void FolderChange::Added() { Apply(true); }
void FolderChange::Removed() { Apply(false); }

void FolderChange::Apply(bool added) {
  if (before_) TheIndex().Note(folder_, *before_, name_, added);
}

void DropNameIndex() { TheIndex().Drop(); }

std::size_t NameIndexReads() { return TheIndex().Reads(); }

}  // namespace vantrel::platform::detail

namespace vantrel::platform {

void ReadNamesAhead(const std::string& folder) { detail::TheIndex().Read(folder); }

}  // namespace vantrel::platform
