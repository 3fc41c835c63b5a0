#pragma once
// The Qt view's message box: where the default error handler's texts go (window/run_handler.h)
// unless a test installs a recorder.
#include <string>

namespace vantrel {

inline constexpr const char* kMessageBoxTitle = "Vantrel";

// The default hook: a modal box titled "Vantrel" showing `text`.
void ShowMessageBox(const std::string& text);

}  // namespace vantrel
