#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "quiet_shell.h"
#include "platform/process.h"

namespace vantrel::testing {

// Windows gives a started console program a console window of its own; what matters here
// is that cmd's pause reads no key: its input, which the shell passes on, is the null device.
void KeepShellsOffTerminals() {
  static const HANDLE nothing = [] {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    return ::CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
  }();  // one for the test program's life, never closed
  if (nothing == INVALID_HANDLE_VALUE || !::SetStdHandle(STD_INPUT_HANDLE, nothing)) {
    ADD_FAILURE() << "cannot redirect input";
  }
  if (!std::freopen("NUL", "r", stdin)) ADD_FAILURE() << "cannot redirect input";
}

std::string QuietShell() { return platform::OwnFolder() + "\\vantrel-quiet-shell.exe"; }

}  // namespace vantrel::testing
