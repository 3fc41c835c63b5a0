#include "win32ui/picture_loading.h"

namespace vantrel::win32ui {

// Built where libjpeg is not at hand (the Windows build, until it is cross-built). Every pick
// of a patch shows its preview, so a message at each would make the window unusable: the
// preview stays empty instead.
Picture LoadPreviewPicture(const std::string&) { return {}; }

}  // namespace vantrel::win32ui
