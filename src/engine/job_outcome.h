#pragma once
// A job's outcome, told once its shell has ended: the window and the command line both ask
// here, so a patch is listed as active only when its install completed.
#include <string>
#include <vector>

#include "engine/job_plan.h"

namespace vantrel {

struct JobOutcome {
  bool shellSucceeded = true;
  std::vector<std::string> notInPlace;  // an install's targets that do not hold their source;
                                        // the install's marker is deleted when there are any
  bool markerLeft = false;              // a removal whose marker is still there
  bool markerCut = false;               // an install's marker cut short by a failed job; deleted

  bool Complete() const { return shellSucceeded && notInPlace.empty() && !markerLeft && !markerCut; }
};

// Compares every copy target of an install with its source, byte for byte, and deletes the
// install's marker when one is not in place, or when a failed job left it cut short.
// `shellSucceeded`: the shell's exit status was 0. Raises InOutError naming the marker when
// it cannot be read or deleted.
JobOutcome CheckJobOutcome(const JobPlan& plan, bool shellSucceeded);

// One line for the user: "" for a complete job, otherwise what failed, by file.
std::string OutcomeText(const JobPlan& plan, const JobOutcome& outcome);

}  // namespace vantrel
