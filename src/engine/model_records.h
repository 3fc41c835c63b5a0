#pragma once
// Flight and damage model records: one fixed-size record per model file, copied in place
// while a job script is written.
#include <cstdint>

#include "engine/job.h"

namespace vantrel {

// Which record is read (`source`) and which is overwritten (`target`), by type index.
struct RecordPair {
  std::uint8_t source = 0;
  std::uint8_t target = 0;
};

// restore true: the stock records of the support folder, for every model file that has a
// stock and a working copy. restore false: only with FM/DM changing on, for the chosen
// variants, the patch's own records where it has them, else the stock ones.
// All or nothing: every file is checked before the first one changes, and a failed write
// puts the records changed so far back. Raises InOutError naming the file.
void TransferModelRecords(Job& job, bool restore, RecordPair pair);

// Whether the current folder holds at least one of the model files.
bool HoldsModelFile();

// The pair of the last activation (sourceIndex, targetIndex).
void TransferModelRecords(Job& job, bool restore);

}  // namespace vantrel
