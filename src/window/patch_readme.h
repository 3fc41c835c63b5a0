#pragma once
// The text a patch's maker left beside it: how to install it, what it changes, who made it.
#include <optional>
#include <string>

namespace vantrel {

// The readme of the patch folder `folder` of the working folder: a file named "readme" in
// any letter case and with any extension, else its first "*.txt" as the directory search
// returns it. Its lines joined with "\n"; nothing when the folder has neither.
std::optional<std::string> PatchReadme(const std::string& folder);

}  // namespace vantrel
