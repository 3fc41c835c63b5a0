#include "win32ui/picture_bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/errors.h"

namespace vantrel::win32ui {

namespace {

std::size_t RowBytes(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

}  // namespace

std::vector<std::uint8_t> DibRows(const Picture& picture) {
  const auto width = static_cast<std::size_t>(std::max(picture.width, 0));
  const auto height = static_cast<std::size_t>(std::max(picture.height, 0));
  if (picture.rgb.size() != width * height * 3) throw std::logic_error("a picture whose pixels do not fill its size");
  const std::size_t stride = RowBytes(picture.width);
  std::vector<std::uint8_t> rows(stride * height, 0);
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* from = picture.rgb.data() + y * width * 3;
    std::uint8_t* to = rows.data() + y * stride;
    for (std::size_t x = 0; x < width; ++x, from += 3, to += 3) {
      to[0] = from[2];
      to[1] = from[1];
      to[2] = from[0];
    }
  }
  return rows;
}

UniqueGdi<HBITMAP> PictureBitmap(const Picture& picture) {
  const std::vector<std::uint8_t> rows = DibRows(picture);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // negative: the top row first, as decoded
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueGdi<HBITMAP> bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) throw Error("The preview picture is too large to show.");
  std::memcpy(bits, rows.data(), rows.size());
  return bitmap;
}

}  // namespace vantrel::win32ui
