#pragma once
// Internal to the platform layer (POSIX): what every way of starting a program shares:
// finding the program a name stands for, its argument vector, and the ShellExecute numbers
// of the failures.
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::platform::detail {

struct Located {
  std::string path;
  int failure = 0;  // a ShellExecute number, 0 when the program was found
};

// A name with a folder part is taken as a path (3 when its folder is missing, 5 when it is
// no executable file); one without is looked up on PATH.
Located LocateProgram(std::string_view program);
Located LocateOnPath(std::string_view program);

// The words as execv takes them, null-ended; they point into `words`.
std::vector<char*> ArgumentVector(std::vector<std::string>& words);

// ShellExecute's number for an errno value of a failed start.
int ShellCodeForErrno(int err);

}  // namespace vantrel::platform::detail
