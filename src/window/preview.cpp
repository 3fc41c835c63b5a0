#include "window/preview.h"

#include "engine/support_folder.h"
#include "platform/files.h"
#include "platform/search.h"

namespace vantrel {

std::optional<std::string> PreviewPictureFor(const std::string& folder) {
  const std::string prefix = ".\\" + folder + "\\";
  const std::string first = platform::FindFirstName(prefix + "*.jpg", platform::Admit::Everything);
  if (!first.empty()) return prefix + first;
  const std::string defaultPicture = std::string(kSupportFolder) + "aplane.jpg";
  if (platform::FileExists(defaultPicture)) return defaultPicture;
  return std::nullopt;
}

}  // namespace vantrel
