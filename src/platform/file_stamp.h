#pragma once
// What tells one state of a file from the next without reading it: its size and the time it
// was last written, from one look. A cache of what files hold is keyed by it.
#include <cstdint>
#include <string_view>

namespace vantrel::platform {

struct FileStamp {
  bool exists = false;          // a file is there; a folder is none, as for FileExists
  std::uint64_t size = 0;
  std::int64_t modified = 0;    // nanoseconds since 1970-01-01 UTC
  bool operator==(const FileStamp&) const = default;
};

// Nothing there gives a stamp that does not exist; a look that could not be made raises
// InOutError naming the path.
FileStamp StampOf(std::string_view path);

}  // namespace vantrel::platform
