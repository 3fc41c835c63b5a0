#pragma once
// The preview decoder: JPEG files through libjpeg, called directly.
#include <QImage>
#include <string>

namespace vantrel {

// Decodes a grayscale or colour JPEG file into a Format_RGB888 image. `path` is written as
// the system writes paths ("\" or "/" separated, any letter case). Raises vantrel::Error
// when the file cannot be opened, holds no JPEG picture, or ends before the picture does.
QImage DecodeJpegFile(const std::string& path);

}  // namespace vantrel
