#pragma once
// Internal to the platform layer: the temporaries a write puts beside its target
// (temporary_names.h), and those a process that is gone left behind, which are removed the
// first time this process writes into their folder. Not part of the layer's interface.
#include <string>

#include "platform/temporary_names.h"

namespace vantrel::platform::detail {

// A new temporary's path in `folder`, unique within this process.
std::string TemporaryName(const std::string& folder);
// The sweep of `folder`'s dead temporaries, files and folders, once per folder and process.
void RemoveStrayTemporaries(const std::string& folder);

}  // namespace vantrel::platform::detail
