#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "engine/session.h"

namespace vantrel {

// "Activate this choice": writes the job script for the selected patch and slot and
// starts the shell on it.
void ActivateSelection(Session& s);
// "Deactivate Selected": writes the removal script for the selected active entry and
// starts the shell on it. Nothing happens when Active patches is empty.
void DeactivateSelection(Session& s);

// The two halves of each operation, for a caller that runs the script itself and waits.
// Each returns the name of the script written in the working folder.
std::string WriteActivationScript(Session& s);
// Nothing written for an empty Active patches list. An entry whose code is not four
// hexadecimal digits raises Error: its code would go unchecked into file names and del lines.
std::optional<std::string> WriteDeactivationScript(Session& s);
// Starts `shellProgram` on the script through RunShell; a failure goes to showMessage.
void StartJobScript(Session& s, std::string_view scriptName);

}  // namespace vantrel
