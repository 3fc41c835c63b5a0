#pragma once
// The preview decoder: JPEG files through libjpeg, called directly.
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// A decoded picture: `height` rows of `width` pixels, top row first, three bytes (red, green,
// blue) per pixel, rows not padded.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

// Decodes a grayscale or colour JPEG file into RGB rows. `path` is written as
// the system writes paths ("\" or "/" separated, any letter case). Raises vantrel::Error
// when the file cannot be opened, holds no JPEG picture, or ends before the picture does.
Picture DecodeJpegFile(const std::string& path);

}  // namespace vantrel
