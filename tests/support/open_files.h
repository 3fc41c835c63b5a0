#pragma once
// Whether the test process still holds a file open: a file closed on every path leaves
// nothing behind, whichever way its reading ended.
#include <filesystem>

namespace vantrel::testing {

// POSIX: one of the process's descriptors leads to the file. Windows: a handle of ours,
// which the platform layer opens sharing everything, keeps an open that shares nothing out.
bool HeldOpen(const std::filesystem::path& file);

}  // namespace vantrel::testing
