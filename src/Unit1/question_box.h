#pragma once
// The window's questions: a Yes/No box titled "Vantrel", or Yes/No/Cancel.
#include <string>

#include "window/form_view.h"

namespace vantrel {

// A modal box titled "Vantrel" asking `text`; true for Yes. No is the default button, so a
// Return pressed without reading leaves the slot as it is. `details`, when not "", are the
// box's detailed text, behind its "Show Details..." button.
bool AskUser(const std::string& text, const std::string& details = "");
// The same with Cancel, the default button, which Escape and the box's close also give.
FormView::Reply AskUserOrCancel(const std::string& text);

}  // namespace vantrel
