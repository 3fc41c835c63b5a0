#pragma once
// A decoded preview as a device-independent bitmap for GDI to draw.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "jpeg/jpeg_image.h"
#include "win32ui/window_fonts.h"

namespace vantrel::win32ui {

// A 24-bit DIB's rows of `picture`: top row first, blue-green-red, each row padded to four bytes.
std::vector<std::uint8_t> DibRows(const Picture& picture);

// The picture as a top-down 24-bit DIB section. Raises vantrel::Error when GDI cannot hold it.
UniqueGdi<HBITMAP> PictureBitmap(const Picture& picture);

}  // namespace vantrel::win32ui
