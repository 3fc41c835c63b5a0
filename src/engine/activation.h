#pragma once
#include "engine/session.h"

namespace vantrel {

// "Activate this choice": writes the job script for the selected patch and slot and
// starts the shell on it.
void ActivateSelection(Session& s);
// "Deactivate Selected": writes the removal script for the selected active entry and
// starts the shell on it.
void DeactivateSelection(Session& s);

}  // namespace vantrel
