#pragma once
// The window's reference place, from the layout table, as Qt takes it.
#include <QPoint>
#include <QSize>

#include "window/layout_table.h"

namespace vantrel {

inline constexpr QPoint kWindowPosition{kWindowOuterBox.left, kWindowOuterBox.top};
inline constexpr QSize kWindowOuterSize{kWindowOuterBox.width, kWindowOuterBox.height};

}  // namespace vantrel
