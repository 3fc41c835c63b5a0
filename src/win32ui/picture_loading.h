#pragma once
// How the view decodes a preview file: the shared decoder, or a test's stand-in.
#include <functional>
#include <string>

#include "jpeg/jpeg_image.h"

namespace vantrel::win32ui {

using PictureLoader = std::function<Picture(const std::string& path)>;

// Raises vantrel::Error when the file cannot be decoded.
Picture LoadPreviewPicture(const std::string& path);

}  // namespace vantrel::win32ui
