#pragma once
// The preview picture of a patch folder.
#include <optional>
#include <string>

#include "jpeg/jpeg_image.h"

namespace vantrel {

// The picture to show for the patch folder `folder` of the working folder: its first ".jpg"
// as the directory search returns it (every entry admitted), else the support folder's
// default picture, else none.
std::optional<std::string> PreviewPictureFor(const std::string& folder);

// Decodes a picture file with the decoder its extension names (picture_file.cpp). Raises
// vantrel::Error when the extension is unknown or the file cannot be decoded.
Picture LoadPicture(const std::string& path);

}  // namespace vantrel
