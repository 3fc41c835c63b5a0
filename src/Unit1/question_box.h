#pragma once
// The window's questions before a job: a Yes/No box titled "Vantrel", or the session's
// own hook where a test has put one.
#include <string>

#include "engine/session.h"

namespace vantrel {

// A modal box titled "Vantrel" asking `text`; true for Yes. No is the default button, so a
// Return pressed without reading leaves the slot as it is.
bool AskUser(const std::string& text);

// The activation's questions put to the user in turn; false at the first "no".
bool UserAllowsActivation(const Session& s);

}  // namespace vantrel
