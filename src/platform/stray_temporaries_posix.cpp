#include "platform/stray_temporaries.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <vector>

#include "platform/fd_io.h"
#include "platform/folder_tree.h"
#include "platform/name_index.h"

namespace vantrel::platform::detail {
namespace {

bool Gone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

std::string TemporaryName(const std::string& folder) {
  return JoinPath(folder, TemporaryLeaf(static_cast<unsigned long>(::getpid())));
}

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

}  // namespace vantrel::platform::detail
