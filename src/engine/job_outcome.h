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
  std::vector<std::string> whyNotInPlace;  // for each of them, the system's text for the file
                                           // in the way, or that the target holds other bytes
  bool markerLeft = false;              // a removal whose marker is still there
  bool markerCut = false;               // an install's marker cut short by a failed job; deleted
  std::vector<std::string> notPutBack;     // a removal's files that do not hold what lay below
  std::vector<std::string> keptAsTheyAre;  // a removal's files changed since the patch put them
                                           // there, left as they are
  bool undone = false;                     // an install that did not complete, undone at once
  std::vector<std::string> changedSince;   // files the undoing found changed and kept as they are

  bool Complete() const {
    return shellSucceeded && notInPlace.empty() && !markerLeft && !markerCut && notPutBack.empty() &&
           keptAsTheyAre.empty();
  }
};

// Compares every copy target of an install with its source, byte for byte, and deletes the
// install's marker when one is not in place, or when a failed job left it cut short; a
// removal's files are checked against the ledger. Then the ledger is told (ledger_steps.h)
// and the job added to the job history (job_history.h).
// `shellSucceeded`: the shell's exit status was 0. Raises InOutError naming the file that
// cannot be read or changed.
JobOutcome CheckJobOutcome(const JobPlan& plan, bool shellSucceeded);

// The outcome line of a complete install: "FE2b Fighter is active in 0305  Halberstadt D.2"
// (`slotLine` is the Destination slots line; a volume patch takes none), or, for a patch of a
// class that leaves no marker, that its script ran and installed nothing.
std::string InstalledText(const JobPlan& plan, const std::string& patchFolder, const std::string& slotLine);
// The outcome line of a complete removal of the Active patches entry `entry`.
std::string RemovedText(const std::string& entry);
// One line for the user: "" for a complete job, otherwise FailureText and UndoneText.
std::string OutcomeText(const JobPlan& plan, const JobOutcome& outcome);
// What failed, by file, and whether the patch is listed as active; "" for a complete job.
std::string FailureText(const JobPlan& plan, const JobOutcome& outcome);
// What the undoing of a failed install put back and what it kept; "" when nothing was undone.
std::string UndoneText(const JobOutcome& outcome);

}  // namespace vantrel
