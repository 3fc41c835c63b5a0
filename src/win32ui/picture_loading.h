#pragma once
// How the view decodes a preview file: the shared decoder where the build has it.
#include <functional>
#include <string>

#include "jpeg/jpeg_image.h"

namespace vantrel::win32ui {

using PictureLoader = std::function<Picture(const std::string& path)>;

// Raises vantrel::Error when the file cannot be decoded; an empty picture where this build
// has no decoder.
Picture LoadPreviewPicture(const std::string& path);

}  // namespace vantrel::win32ui
