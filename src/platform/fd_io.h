#pragma once
// Internal to the platform layer: file descriptors owned by RAII objects, and the
// read/write loops every file class shares. Not part of the layer's interface.
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/join_path.h"
#include "platform/names.h"
#include "platform/unique_fd.h"

namespace vantrel::platform::detail {

// Opens an existing file for reading; a folder is refused with 5 as Windows does, and so is
// anything else that is not a regular file (OpenRegularFile).
UniqueFd OpenForReading(const std::string& posixPath, std::string_view shown);
// Opens an existing regular file with `flags` (O_RDONLY or O_RDWR). A pipe, socket or device
// is refused with 5 naming it as `shown` (the path as its caller wrote it), at once: a pipe
// with no writer would hold the job forever.
UniqueFd OpenRegularFile(const std::string& posixPath, int flags, std::string_view shown);
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

// Whether a failed look at a path says that nothing is there: the entry is missing, or an
// entry on its way is missing or is a file. Any other failure (an I/O error, a loop of
// links, no memory) says nothing of the entry, and must never be taken for its absence.
inline bool NotThere(int error) { return error == ENOENT || error == ENOTDIR; }
// Raises the InOutError of a look at `shown` (a path as its caller wrote it) that could not
// be made.
[[noreturn]] void ThrowCouldNotLook(int error, std::string_view shown);
// stat, or lstat without `followLinks`: false when nothing is there (NotThere); a look that
// could not be made raises, naming `shown`.
bool StatIfThere(const std::string& posixPath, struct stat& st, std::string_view shown, bool followLinks = true);

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;
// Opens a folder for listing, "" being the current folder; null when it cannot be read, for
// whatever reason: for sweeps that may skip a folder.
inline DirHandle OpenDir(const std::string& folder) { return DirHandle(::opendir(folder.empty() ? "." : folder.c_str())); }

// The listing of a folder that answers a question, "" being the current folder. It reads the
// system's entries straight into a block of its own: no look at the folder and no allocation
// per listing, which count when each of a thousand patch folders is listed.
class FolderListing {
 public:
  // Not open (false) when the folder is not there (NotThere); one that cannot be read
  // raises, naming it.
  explicit FolderListing(const std::string& folder);
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;

  explicit operator bool() const { return fd_.valid(); }
  int Fd() const { return fd_.get(); }
  // The next entry, "." and ".." among them; null at the end. A failed read raises, naming
  // the folder: a listing cut short would leave names out.
  const dirent64* Next();

 private:
  std::string folder_;
  UniqueFd fd_;
  std::size_t filled_ = 0;
  std::size_t at_ = 0;
  alignas(dirent64) char block_[32768];
};

// The folder and the last name of a resolved path; separators at its end are not a name.
PathParts SplitResolvedPath(std::string_view posixPath);

}  // namespace vantrel::platform::detail
