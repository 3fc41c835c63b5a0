#include "win32ui/picture_loading.h"

#include "window/preview.h"

namespace vantrel::win32ui {

Picture LoadPreviewPicture(const std::string& path) { return LoadPicture(path); }

}  // namespace vantrel::win32ui
