#pragma once
// Preview pictures: a checker pattern of two colours, compressed with libjpeg.
#include <cstdint>
#include <filesystem>

namespace vantrel::samplegame {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

struct PictureSpec {
  int width = 0;
  int height = 0;
  bool grayscale = false;
  Rgb ink;    // the cell at the top left corner
  Rgb paper;  // its neighbours
  int cell = 1;
};

// The colour the pattern gives the pixel at (x, y). A grayscale picture gives the
// luminance of ink or paper in all three channels.
Rgb PicturePixel(const PictureSpec& look, int x, int y);

// Whether this build has libjpeg to write pictures with.
bool CanWriteJpeg();
// Compresses the pattern with libjpeg and writes it to `file`. Raises vantrel::Error, and
// always does in a build without libjpeg.
void WriteJpeg(const std::filesystem::path& file, const PictureSpec& look);

}  // namespace vantrel::samplegame
