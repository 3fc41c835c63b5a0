#pragma once
// Internal to the platform layer: the names of a few recently searched folders, kept so
// that a name missing as written is found in another letter case without reading its
// whole folder again. Not part of the layer's interface.
//
// A folder's index is built from one listing and stamped with the folder's identity and
// modification time. It serves while the folder still shows that stamp; a change by
// another process gives a new modification time, and the next lookup reads the folder
// again. The platform's own changes are written into the index as they are made (see
// FolderChange), so a job that creates and deletes files one after another in a large
// folder reads it once.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::platform::detail {

// The first entry of `folder` ("" being the current folder), in NTFS order, that differs
// from `name` in ASCII letter case only. Names Windows cannot hold are never found. None
// when the folder is not there; one that cannot be read raises InOutError naming it.
std::optional<std::string> FindCaseVariant(const std::string& folder, std::string_view name);

// What tells one folder from another, and one state of a folder's entries from the next.
// The birth time tells a new folder from a removed one whose inode number it took over.
struct FolderStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t bornSeconds = 0;  // 0 where the file system keeps no birth time
  std::uint32_t bornNanos = 0;
  std::int64_t modifiedSeconds = 0;
  std::uint32_t modifiedNanos = 0;

  bool SameFolder(const FolderStamp& other) const {
    return device == other.device && inode == other.inode && bornSeconds == other.bornSeconds &&
           bornNanos == other.bornNanos;
  }
  bool operator==(const FolderStamp&) const = default;
};

// The stamp of `folder` ("" being the current folder) as it is now; none when it cannot be
// read, errno then saying why (ENOTDIR for an entry that is not a folder).
std::optional<FolderStamp> StampOf(const std::string& folder);

// One entry the platform adds to or removes from a folder. Made before the change, so the
// folder's stamp from before can be compared with the index's; told the outcome after it.
// Without a word (a failed change) the index keeps its stamp, which then still holds or
// shows a change by someone else.
class FolderChange {
 public:
  explicit FolderChange(std::string_view posixPath);
  void Added();    // the entry is there now, created or found already there
  void Removed();  // the entry is gone

 private:
  void Apply(bool added);

  std::string folder_;
  std::string name_;
  std::optional<FolderStamp> before_;
};

// Forgets every folder, so that the next lookup in each reads it again.
void DropNameIndex();
// How many folder listings the index has read since the process started.
std::size_t NameIndexReads();

}  // namespace vantrel::platform::detail
