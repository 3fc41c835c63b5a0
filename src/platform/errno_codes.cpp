// The C runtime's error numbers, which libraries report (libarchive on every system; the
// platform layer itself on POSIX), as the system's numbers of our texts.
#include "platform/errors.h"

#include <cerrno>

namespace vantrel {

int InOutError::CodeForErrno(int err) {
  switch (err) {
    case ENOENT: return 2;
    case ENOTDIR:
    case EINVAL:
    case ENAMETOOLONG: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EBUSY:
    case ETXTBSY: return 5;
#ifdef EDQUOT  // not in the Windows C runtime
    case EDQUOT:
#endif
    case ENOSPC: return 101;
    default: return err;
  }
}

}  // namespace vantrel
