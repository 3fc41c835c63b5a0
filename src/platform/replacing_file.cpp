#include "platform/replacing_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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
#include "platform/folder_tree.h"
#include "platform/temporary_names.h"

namespace vantrel::platform::detail {
namespace {

bool Gone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

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

// Temporaries of jobs that were killed or lost their power; the target of each is intact,
// and a folder being filled was never put in place.
void RemoveStrayTemporaries(const std::string& folder) {
  // Once per folder and process, the folder known by its identity: the same name may be
  // another folder after a change of the current folder.
  // Its birth time tells it from a removed folder whose inode number it took over.
  static std::mutex mutex;
  static std::vector<FolderStamp> swept;
  const std::optional<FolderStamp> stamp = StampOf(folder);
  if (!stamp) return;
  {
    std::lock_guard lock(mutex);
    for (const FolderStamp& done : swept) {
      if (done.SameFolder(*stamp)) return;
    }
    swept.push_back(*stamp);
  }
  DirHandle dir = OpenDir(folder);
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir.get())) {
    const auto writer = static_cast<pid_t>(WriterOf(entry->d_name));
    if (writer == 0 || !Gone(writer)) continue;
    const std::string path = JoinPath(folder, entry->d_name);
    FolderChange change(path);
    if (::unlink(path.c_str()) == 0 || (errno == EISDIR && RemoveTree(path))) change.Removed();
  }
}

std::string TemporaryName(const std::string& folder) {
  return JoinPath(folder, TemporaryLeaf(static_cast<unsigned long>(::getpid())));
}

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target)) {
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

ReplacingFile::~ReplacingFile() {
  if (committed_ || temporary_.empty()) return;
  fd_ = UniqueFd();
  FolderChange change(temporary_);
  if (::unlink(temporary_.c_str()) == 0) change.Removed();
}

void ReplacingFile::Commit() {
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
