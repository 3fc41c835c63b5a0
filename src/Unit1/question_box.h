#pragma once
// The window's questions before a job: a Yes/No box titled "Vantrel".
#include <string>

namespace vantrel {

// A modal box titled "Vantrel" asking `text`; true for Yes. No is the default button, so a
// Return pressed without reading leaves the slot as it is.
bool AskUser(const std::string& text);

}  // namespace vantrel
