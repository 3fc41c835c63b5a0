#pragma once
// Going back: the undoing of the last job and the restoring of the game, each a row of
// ordinary jobs (the same scripts, outcome checks and ledger as the user's own), planned
// from the job history and from what is installed, and run one after another by the caller.
//
// Undo takes the last job that did its work and that no undo has undone yet, leaving out the
// jobs of an undo: undoing again walks further back, so two undos never undo each other.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/job_plan.h"
#include "engine/session.h"

namespace vantrel {

// One job of a row (an undo, a restore, a patch set): an install or a removal.
struct RowJob {
  bool activation = false;
  std::string folder;         // an install: the patch folder
  std::string slot;           // an install: the slot's code; "" for a patch that takes no slot
  std::string fmdm = "off";   // an install: its FM/DM choice (fmdm_choice.h)
  std::string entry;          // a removal: the Active patches entry
  std::uint64_t undoes = 0;   // the number of the job the step undoes (job_history.h)
};

// The jobs that undo the last job. An install's: its removal, then the patches it took out
// of the slot installed again as they were chosen. A removal's: the patch installed again,
// and a volume patch under those installed after it, which go first and come back after it.
// Raises Error when there is no job to undo, or when the game is no longer as the job left
// it (the patch it installed no longer active, the one it removed active again).
std::vector<RowJob> UndoSteps(const Catalogue& cat);

// The removals that take every patch of the working folder out, the top layers first, those
// installed before the ledger last.
std::vector<RowJob> RestoreSteps(const Catalogue& cat);

// What a step does, for a question and the outcome line: "remove 0305_FE2b Fighter",
// "install FE2b Fighter in 0305 Fok EIII with FM/DM S,2".
std::string RowJobText(const Catalogue& cat, const RowJob& step);

// Picks the step's patch (and slot) in the session's lists and writes its script as the
// user's job would be written; the session's FM/DM choice is as it was afterwards. Raises
// Error when the patch folder or the active entry is gone, and what writing the job raises.
JobPlan WriteStepScript(Session& s, const RowJob& step);

// After the removals of RestoreSteps: what still keeps the game from being as it was before
// the first job, one line each: a patch still active, a ledger entry left without its
// marker, another working folder's patch that holds the game's archives.
std::vector<std::string> NotRestored(const Catalogue& cat);

}  // namespace vantrel
