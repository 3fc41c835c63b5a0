#pragma once
// Internal to the platform layer: the rules of a copy (CopyFileKeepTime), written once for
// every system, and what they ask of each. Paths are resolved (ResolvePath); the `written`
// ones are as the caller wrote them, for the failures that name them.
#include <string>
#include <string_view>

#include "platform/native_file.h"

namespace vantrel::platform::detail {

// CopyFileKeepTime on paths resolved already: for a move that has to copy.
void CopyFileTo(const std::string& source, std::string_view sourceWritten, std::string target,
                std::string_view written);

// What the rules ask of each system:
// The source opened for reading. Only a file is read: a folder, a device or a pipe is
// refused with 5, for it would hand out something other than a file's bytes, or wait for them.
NativeFile OpenCopySource(const std::string& path, std::string_view written);
// Whether a folder is at `path`, links followed; a look that could not be made raises,
// naming `shown`.
bool IsFolderAt(const std::string& path, std::string_view shown);
// Whether `target` names the open file `source` (a letter case apart, or through a link).
bool IsSameFile(const NativeFile& source, const std::string& target, std::string_view shown);

}  // namespace vantrel::platform::detail
