#include "platform/whole_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/whole_copy_file.h"

namespace vantrel::platform::detail {
namespace {

bool KernelCopyUnsupported(int err) {
  return err == EXDEV || err == ENOSYS || err == EINVAL || err == EOPNOTSUPP || err == EBADF || err == ETXTBSY;
}

void CopyContent(int in, int out) {
  bool kernelCopy = true;
  bool copiedAny = false;
  while (kernelCopy) {
    ssize_t done = ::copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
    if (done > 0) {
      copiedAny = true;
      continue;
    }
    if (done == 0) {
      // Files that report no size (/proc and the like) give 0 at once; let read() decide.
      if (copiedAny) return;
      kernelCopy = false;
    } else if (errno == EINTR) {
      continue;
    } else if (KernelCopyUnsupported(errno)) {
      kernelCopy = false;
    } else {
      throw InOutError::FromErrno(errno);
    }
  }
  std::vector<char> buffer(std::size_t{1} << 18);
  while (const std::size_t got = ReadFull(in, buffer.data(), buffer.size())) {
    WriteAll(out, buffer.data(), got);
  }
}

}  // namespace

// The source is read through the descriptor the copy's rules opened, so that what they
// looked at is what is copied.
void CopyWhole(NativeFile source, const std::string& /*sourcePath*/, const std::string& target,
               std::string_view written) {
  struct stat sourceStat {};
  if (::fstat(source.get(), &sourceStat) != 0) throw InOutError::FromErrno(errno);
  struct stat targetStat {};
  if (StatIfThere(target, targetStat, written) && !S_ISREG(targetStat.st_mode)) {
    // A device or a pipe is written where it is: there is no file to put in its place.
    UniqueFd out = CreateForWriting(target);
    CopyContent(source.get(), out.get());
    out.Close();
    return;
  }
  WholeCopyFile out(target);
  CopyContent(source.get(), out.fd());
  const struct timespec times[2] = {{0, UTIME_OMIT}, sourceStat.st_mtim};
  if (::futimens(out.fd(), times) != 0) throw InOutError::FromErrno(errno);
  out.Commit();
}

}  // namespace vantrel::platform::detail
