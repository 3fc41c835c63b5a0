#include "platform/errors.h"
#include "rbext/text_utils.h"
#include "window/preview.h"

namespace vantrel {

Picture LoadPicture(const std::string& path) {
  const std::string extension = LowerName(SplitPath(path).extension);
  if (extension != ".jpg" && extension != ".jpeg") {
    throw Error("Unknown picture file extension (" + extension + ")");
  }
  return DecodeJpegFile(path);
}

}  // namespace vantrel
