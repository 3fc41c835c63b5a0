#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "engine/job_plan.h"
#include "engine/session.h"

namespace vantrel {

// "Activate this choice": writes the job script for the selected patch and slot and
// starts the shell on it.
void ActivateSelection(Session& s);
// "Deactivate Selected": writes the removal script for the selected active entry and
// starts the shell on it. Nothing happens when Active patches is empty.
void DeactivateSelection(Session& s);

// The two halves of each operation, for a caller that runs the script itself and waits.
// Each returns the plan of the script written in the working folder (its name, what it
// copies, its marker), for CheckJobOutcome once the shell has run it.
// A patch folder whose marker name the file system cannot hold raises Error naming the
// folder before anything is written.
JobPlan WriteActivationScript(Session& s);
// Nothing written for an empty Active patches list. An entry whose code is not four
// hexadecimal digits raises Error: its code would go unchecked into file names and del lines.
std::optional<JobPlan> WriteDeactivationScript(Session& s);
// What each would do, its steps told (JobPlan::steps), with nothing written: no script, no
// ledger entry, no kept original, no model record; the jobs cut short are left for the job
// to finish. Each refuses what the job would refuse, with the same error.
JobPlan PlanActivation(Session& s);
std::optional<JobPlan> PlanDeactivation(Session& s);
// Starts `shellProgram` on the script through RunShell; a failure goes to showMessage.
void StartJobScript(Session& s, std::string_view scriptName);

}  // namespace vantrel
