#pragma once
// Jobs cut short (a crash, a power cut, a kill) are found from the ledger's record of a job
// in progress, and each is finished or undone, so that the game is as some sequence of
// whole jobs would leave it.
#include <string>
#include <vector>

#include "engine/ledger.h"

namespace vantrel {

// Whether `entry` is a job of this working folder that is still installing or removing.
bool CutShort(const LedgerEntry& entry);

// For every entry of the working folder's ledger that is still installing or removing:
// an install whose files and marker are all in place is finished; any other is undone, as
// its removal would; a removal is finished. The tool does this itself, with no script.
// Returns one sentence per job, naming its slot, for the user. Raises InOutError naming the
// file that could not be changed, or Error where a file cannot be put back.
std::vector<std::string> RecoverJobs();

// Undoes at once the install recorded under `marker` that is still installing, as its
// removal would: for a job that ended without doing all its work. Returns the files changed
// since, kept as they are. Raises as RecoverJobs does.
std::vector<std::string> UndoInstall(const std::string& marker);

}  // namespace vantrel
