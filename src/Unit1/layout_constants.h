#pragma once
// The window's reference layout, in pixels at 96 pixels per inch.
#include <QPoint>
#include <QSize>

namespace vantrel {

inline constexpr QPoint kWindowPosition{273, 142};
inline constexpr QSize kWindowOuterSize{875, 868};
inline constexpr int kListItemHeight = 14;

// The activation button's caption, put back by its handler after "Working......". The "&"
// marks the button's Alt-letter; it is not shown.
inline constexpr const char* kActivateCaption = "&Activate this choice";

}  // namespace vantrel
