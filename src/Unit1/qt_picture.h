#pragma once
// A decoded preview as a QImage, for the Qt view to show.
#include <QImage>

#include "jpeg/jpeg_image.h"

namespace vantrel {

inline QImage ToQImage(const Picture& picture) {
  const QImage rows(picture.rgb.data(), picture.width, picture.height, 3 * picture.width, QImage::Format_RGB888);
  return rows.copy();  // the image owns its pixels once `picture` is gone
}

}  // namespace vantrel
