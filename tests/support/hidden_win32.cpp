#include "hidden.h"

#include <windows.h>
#include <gtest/gtest.h>

namespace vantrel::testing {

void Hide(const std::filesystem::path& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !::SetFileAttributesW(path.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN)) {
    ADD_FAILURE() << "cannot hide " << path << ": " << ::GetLastError();
  }
}

}  // namespace vantrel::testing
