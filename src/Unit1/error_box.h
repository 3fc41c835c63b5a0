#pragma once
// The window's default error handler: what a handler raises ends that handler, and its text
// goes to a message hook (a box titled "Vantrel" unless a test installs a recorder).
#include <functional>
#include <string>

#include "rbext/message_hook.h"

namespace vantrel {

inline constexpr const char* kMessageBoxTitle = "Vantrel";

// The default hook: a modal box titled "Vantrel" showing `text`.
void ShowMessageBox(const std::string& text);

// Runs `handler`; an exception it raises ends it and its text goes to `show`. The program
// goes on with whatever state the handler reached.
void RunHandler(const MessageHook& show, const std::function<void()>& handler);

}  // namespace vantrel
