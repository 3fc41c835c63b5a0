#include "platform/make_folder.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/name_index.h"
#include "platform/names.h"

namespace vantrel::platform {

void MakeFolders(std::string_view path) {
  if (path.empty() || DirectoryExists(path)) return;
  const PathParts parts = SplitLastComponent(path);
  if (!parts.folder.empty()) MakeFolders(parts.folder);
  const std::string resolved = ResolvePath(path);
  detail::FolderChange change(resolved);
  if (::mkdir(resolved.c_str(), 0777) != 0) {
    if (errno == EEXIST && DirectoryExists(path)) return;  // made by another meanwhile
    throw InOutError::FromErrno(errno == EEXIST ? EACCES : errno);
  }
  change.Added();
}

}  // namespace vantrel::platform
