#include "platform/whole_copy_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/name_index.h"
#include "platform/stray_temporaries.h"

namespace vantrel::platform::detail {
namespace {

void SyncPath(const std::string& path, int flags) {
  UniqueFd fd(::open(path.empty() ? "." : path.c_str(), flags | O_CLOEXEC));
  if (!fd.valid()) {
    if (errno == ENOENT) return;  // moved or deleted since: nothing of it to keep
    throw InOutError::FromErrno(errno);
  }
  if (::fsync(fd.get()) != 0) throw InOutError::FromErrno(errno);
}

// Files this process has created since it last replaced one. A backup is such a file: it
// must be on the disk, name and bytes, before the file it saves is replaced, or a power cut
// could leave the patch in place of an original whose backup never reached the disk.
class NewFiles {
 public:
  void Add(std::string path) {
    std::lock_guard lock(mutex_);
    paths_.push_back(std::move(path));
  }
  void MakeDurable() {
    std::lock_guard lock(mutex_);
    std::set<std::string> folders;
    for (const std::string& path : paths_) {
      SyncPath(path, O_RDONLY);
      folders.insert(SplitResolvedPath(path).folder);
    }
    for (const std::string& folder : folders) SyncPath(folder, O_RDONLY | O_DIRECTORY);
    paths_.clear();
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> paths_;
};

NewFiles& TheNewFiles() {
  static NewFiles files;
  return files;
}

}  // namespace

WholeCopyFile::WholeCopyFile(std::string target) : target_(std::move(target)) {
  const std::string folder = SplitResolvedPath(target_).folder;
  RemoveStrayTemporaries(folder);
  for (;;) {
    temporary_ = TemporaryName(folder);
    FolderChange change(temporary_);
    fd_ = UniqueFd(::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd_.valid()) {
      change.Added();
      return;
    }
    if (errno == EEXIST) continue;
    temporary_.clear();
    if (errno == ENOENT) throw InOutError(3);
    throw InOutError::FromErrno(errno);
  }
}

WholeCopyFile::~WholeCopyFile() {
  if (committed_ || temporary_.empty()) return;
  fd_ = UniqueFd();
  FolderChange change(temporary_);
  if (::unlink(temporary_.c_str()) == 0) change.Removed();
}

void WholeCopyFile::Commit() {
  struct stat old {};
  const bool replacing = ::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  if (replacing) {
    if (::fchmod(fd_.get(), old.st_mode & 07777) != 0) throw InOutError::FromErrno(errno);
    if (::geteuid() == 0 && ::fchown(fd_.get(), old.st_uid, old.st_gid) != 0) throw InOutError::FromErrno(errno);
    TheNewFiles().MakeDurable();
  }
  fd_.Close();
  FolderChange leaving(temporary_);
  FolderChange arriving(target_);
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) throw InOutError::FromErrno(errno);
  committed_ = true;
  leaving.Removed();
  arriving.Added();
  // Kept whole: the current folder may change before the next replacement.
  if (!replacing) TheNewFiles().Add(target_.starts_with('/') ? target_ : JoinPath(CurrentDirectory(), target_));
}

}  // namespace vantrel::platform::detail
