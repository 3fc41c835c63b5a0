#pragma once
// The removal of an install the ledger records, file by file: the lines that put back what
// lay under each, and what each file is to hold once the script has run.
#include <functional>
#include <string>
#include <vector>

#include "engine/file_layers.h"
#include "engine/job.h"

namespace vantrel {

// The lines of one step, in the job's own forms.
using RestoreLines = std::function<std::vector<std::string>(const LedgerFile&, const RestoreStep&)>;

// Writes the lines of every file of `entry` that has something to do, notes in the plan
// what it is to hold after, and which files stay as they are because they were changed
// since the patch put them there. Raises what RestoreFor raises.
void WriteRestoreLines(Job& job, const LedgerEntry& entry, const RestoreLines& lines);

}  // namespace vantrel
