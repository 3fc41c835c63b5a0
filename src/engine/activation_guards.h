#pragma once
// What to ask before "Activate this choice" writes anything: the common mistakes an
// activation would otherwise make without a word.
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/session.h"

namespace vantrel {

// The questions for the selected patch and slot, each a full sentence that ends in a
// question: the slot holds another patch; an aircraft patch for a slot of another class or
// the reverse; the game archives a volume patch replaces. None when no patch is selected
// (the activation itself then raises the list error); with no slot selected, the one the
// activation takes. Reads the lists and the working folder, selects nothing.
std::vector<std::string> ActivationQuestions(const Catalogue& cat);

// Puts each question to `ask` in turn; false at the first "no", and the rest go unasked.
bool ActivationAllowed(const Catalogue& cat, const QuestionHook& ask);

}  // namespace vantrel
