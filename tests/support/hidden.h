#pragma once
// Entries hidden as each system hides them, so that one layout serves the tests of both.
#include <filesystem>

namespace vantrel::testing {

// Hides the entry `path`, whose name starts with "." as POSIX wants of a hidden one; on
// Windows, where the name hides nothing, its hidden attribute is set. Fails the test when
// the entry cannot be hidden.
void Hide(const std::filesystem::path& path);

}  // namespace vantrel::testing
