#include "platform/errors.h"

#include <cerrno>
#include <utility>

namespace vantrel {

InOutError::InOutError(int code) : InOutError(code, std::string()) {}

InOutError::InOutError(int code, std::string file)
    : Error(file.empty() ? TextFor(code) : TextFor(code) + ": " + file), code_(code), file_(std::move(file)) {}

std::string InOutError::TextFor(int code) {
  switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 106: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
  }
}

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

ListIndexError::ListIndexError(int index) : Error("List index out of bounds (" + std::to_string(index) + ")") {}

}  // namespace vantrel
