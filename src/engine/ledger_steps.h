#pragma once
// The ledger's steps around a job's script: what is done before any shell runs it, and what
// is told after, once its outcome is known.
#include <functional>

#include "engine/job.h"
#include "engine/job_outcome.h"

namespace vantrel {

// Once the script is written and before it runs: an install's entry is written (installing),
// the game's own files it replaces are kept whole and its model records changed; a removal's
// entry is marked removing and its records put back. `placeScript` then gives the script its
// name. When a step fails, what was done here is undone, and the failure raised.
void PrepareLedger(Job& job, const std::function<void()>& placeScript);

// After the shell has run the script. An install that put every file in place is marked
// installed, and the patches it took out of the slot leave the ledger. A removal checks
// that each file holds what it should (`notPutBack` names those that do not); once all is
// done its entry goes, and otherwise its marker is made again, so that the patch stays
// listed while its files are there. True when the ledger took the job: the install is
// installed, the removal's entry gone.
bool FinishLedger(const JobPlan& plan, JobOutcome& outcome);

}  // namespace vantrel
