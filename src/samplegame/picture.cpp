#include "samplegame/picture.h"

namespace vantrel::samplegame {

Rgb PicturePixel(const PictureSpec& look, int x, int y) {
  const Rgb c = (x / look.cell + y / look.cell) % 2 == 0 ? look.ink : look.paper;
  if (!look.grayscale) return c;
  const auto luma = static_cast<std::uint8_t>((299 * c.r + 587 * c.g + 114 * c.b + 500) / 1000);
  return {luma, luma, luma};
}

}  // namespace vantrel::samplegame
