#pragma once
// The support folder beside the patch folders: stock model files and default damage tables.
#include <string_view>

namespace vantrel {

// Relative to the working folder, so it follows every change of working folder.
inline constexpr std::string_view kSupportFolder = "vantrel-files\\";

}  // namespace vantrel
