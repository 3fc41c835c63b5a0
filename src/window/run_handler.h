#pragma once
// The window's default error handler: what a handler raises ends that handler, and its text
// goes to the view's message box (or whatever the caller shows messages with).
#include <functional>

#include "rbext/message_hook.h"

namespace vantrel {

// Runs `handler`; an exception it raises ends it and its text goes to `show`. The program
// goes on with whatever state the handler reached.
void RunHandler(const MessageHook& show, const std::function<void()>& handler);

}  // namespace vantrel
