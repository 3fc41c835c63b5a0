#include "window/preview.h"

#include "engine/support_folder.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/search.h"
#include "rbext/text_utils.h"

namespace vantrel {

std::optional<std::string> PreviewPictureFor(const std::string& folder) {
  const std::string prefix = ".\\" + folder + "\\";
  const std::string first = platform::FindFirstName(prefix + "*.jpg", platform::Admit::Everything);
  if (!first.empty()) return prefix + first;
  const std::string defaultPicture = std::string(kSupportFolder) + "aplane.jpg";
  if (platform::FileExists(defaultPicture)) return defaultPicture;
  return std::nullopt;
}

Picture LoadPicture(const std::string& path) {
  const std::string extension = LowerName(SplitPath(path).extension);
  if (extension != ".jpg" && extension != ".jpeg") {
    throw Error("Unknown picture file extension (" + extension + ")");
  }
  return DecodeJpegFile(path);
}

}  // namespace vantrel
