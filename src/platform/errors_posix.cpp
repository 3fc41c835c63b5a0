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
    case ENOSPC:
    case EDQUOT: return 101;
    default: return err;
  }
}

}  // namespace vantrel
