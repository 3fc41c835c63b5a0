#pragma once
// The window's reference layout, in pixels at 96 pixels per inch.
#include <QPoint>
#include <QSize>

#include "window/layout_table.h"

namespace vantrel {

inline constexpr QPoint kWindowPosition{273, 142};
inline constexpr QSize kWindowOuterSize{875, 868};

}  // namespace vantrel
