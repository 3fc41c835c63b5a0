#include "platform/file_copy.h"

#include <utility>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/join_path.h"
#include "platform/names.h"
#include "platform/whole_copy.h"
#include "platform/write_target.h"

namespace vantrel::platform {

namespace detail {

void CopyFileTo(const std::string& source, std::string_view sourceWritten, std::string target,
                std::string_view written) {
  NativeFile in = OpenCopySource(source, sourceWritten);
  std::string shown(written);
  if (IsFolderAt(target, shown)) {
    target = ResolvePath(JoinPath(target, SplitLastComponent(source).name));
    shown = target;
  }
  // Replacing the target with itself would only cost time; cmd refuses it.
  if (IsSameFile(in, target, shown)) throw Error("The file cannot be copied onto itself.");
  CopyWhole(std::move(in), source, WriteTarget(target, written), written);
}

}  // namespace detail

void CopyFileKeepTime(std::string_view source, std::string_view target) {
  detail::CopyFileTo(ResolvePath(source), source, ResolvePath(target), target);
}

}  // namespace vantrel::platform
