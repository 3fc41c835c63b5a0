#include "open_files.h"

#include <windows.h>

namespace vantrel::testing {

bool HeldOpen(const std::filesystem::path& file) {
  HANDLE probe = ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    ::CloseHandle(probe);
    return false;
  }
  return ::GetLastError() == ERROR_SHARING_VIOLATION;
}

}  // namespace vantrel::testing
