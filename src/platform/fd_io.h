#pragma once
// Internal to the platform layer: file descriptors owned by RAII objects, and the
// read/write loops every file class shares. Not part of the layer's interface.
#include <dirent.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/names.h"
#include "platform/unique_fd.h"

namespace vantrel::platform::detail {


// Opens an existing file for reading; a folder is refused with 5 as Windows does.
UniqueFd OpenForReading(const std::string& posixPath);
// Creates or empties a file (opens it at its end with `append`), keeping the folder's name
// index up to date. A missing folder on the way is 3, the number Windows gives for a path
// that cannot be found.
UniqueFd CreateForWriting(const std::string& posixPath, bool append = false);

// Raises the InOutError of an errno value.
[[noreturn]] void ThrowForErrno(int error);
// The same for a failure at `posixPath`. POSIX says ENOENT both for a missing file and for a
// missing folder on its way; Windows tells them apart, 2 "file not found" and 3 "path not
// found", and so does this: ENOENT is 3 when the folder that would hold the entry is missing.
int CodeForErrnoAt(int error, const std::string& posixPath);
[[noreturn]] void ThrowForErrnoAt(int error, const std::string& posixPath);

// The one loop every read and write goes through: `step(done)` reads or writes the bytes
// from `done` on (read, write, pread or pwrite) and returns what that call returns. Steps
// follow each other until `size` bytes have moved or a step moves none (the end of a
// file); a step a signal interrupted is made again. Returns the bytes moved; a failing
// step raises InOutError.
template <typename Step>
std::size_t MoveBytes(std::size_t size, Step step) {
  std::size_t done = 0;
  while (done < size) {
    const long moved = static_cast<long>(step(done));
    if (moved < 0) {
      if (errno == EINTR) continue;
      ThrowForErrno(errno);
    }
    if (moved == 0) break;
    done += static_cast<std::size_t>(moved);
  }
  return done;
}
// Writes every byte; a failure raises InOutError, a write that makes no progress 101.
void WriteAll(int fd, const char* data, std::size_t size);
// The same at `offset`, the file position left alone.
void WriteAllAt(int fd, std::uint64_t offset, const char* data, std::size_t size);
// Reads until `size` bytes are there or the file ends; returns how many. Raises InOutError.
std::size_t ReadFull(int fd, char* buffer, std::size_t size);
// The whole remaining content of a file.
std::string ReadAll(int fd);

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;
// Opens a folder for listing, "" being the current folder; null when it cannot be read.
inline DirHandle OpenDir(const std::string& folder) { return DirHandle(::opendir(folder.empty() ? "." : folder.c_str())); }

// The folder and the last name of a resolved path; separators at its end are not a name.
PathParts SplitResolvedPath(std::string_view posixPath);

// folder + "/" + name, without doubling the separator and with "" meaning the current folder.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace vantrel::platform::detail
