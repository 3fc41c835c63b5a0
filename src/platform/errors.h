#pragma once
// The failures the system raises. Each carries the text the user is shown.
#include <stdexcept>
#include <string>

namespace vantrel {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A failed file operation, with the system's error number:
// 2 "File not found", 3 "Invalid filename", 4 "Too many open files",
// 5 "File access denied", 100 "Read beyond end of file", 101 "Disk full",
// 106 "Invalid numeric input", any other number "I/O error N".
// With a file, the text names it after a colon ("File access denied: acspecs3.dat"), so the
// user learns which of several files failed; the number stays the same.
class InOutError : public Error {
 public:
  explicit InOutError(int code);
  InOutError(int code, std::string file);  // "" names no file
  int code() const { return code_; }
  const std::string& file() const { return file_; }  // "" when none is named
  static std::string TextFor(int code);
  // The error number Windows would report for a POSIX errno.
  static int CodeForErrno(int err);
  static InOutError FromErrno(int err) { return InOutError(CodeForErrno(err)); }
  // The number for a Win32 error (GetLastError): Windows' own where it is one of the
  // numbers above, the matching one where Windows has several for one failure.
  static int CodeForWindowsError(unsigned long err);

 private:
  int code_;
  std::string file_;
};

// Reading a list position that does not exist: "List index out of bounds (N)".
class ListIndexError : public Error {
 public:
  explicit ListIndexError(int index);
};

// A mistake in how a program was called: the program prints it with a hint at its --help and
// exits with status 2.
class UsageError : public Error {
 public:
  using Error::Error;
};

// An index outside a text or table.
class RangeError : public Error {
 public:
  RangeError() : Error("Range check error") {}
};

}  // namespace vantrel
