#include "platform/errors.h"

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

int InOutError::CodeForWindowsError(unsigned long err) {
  // Win32's numbers, written out: this mapping is plain arithmetic and is tested on Linux too.
  switch (err) {
    case 19:    // ERROR_WRITE_PROTECT
    case 32:    // ERROR_SHARING_VIOLATION
    case 33:    // ERROR_LOCK_VIOLATION
      return 5;
    case 38:    // ERROR_HANDLE_EOF
      return 100;
    case 39:    // ERROR_HANDLE_DISK_FULL
    case 112:   // ERROR_DISK_FULL
      return 101;
    case 123:   // ERROR_INVALID_NAME
    case 161:   // ERROR_BAD_PATHNAME
    case 206:   // ERROR_FILENAME_EXCED_RANGE
    case 267:   // ERROR_DIRECTORY
      return 3;
    default:
      return static_cast<int>(err);
  }
}

ListIndexError::ListIndexError(int index) : Error("List index out of bounds (" + std::to_string(index) + ")") {}

}  // namespace vantrel
