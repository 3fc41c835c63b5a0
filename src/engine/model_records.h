#pragma once
// Flight and damage model records: one fixed-size record per model file, copied in place
// while a job script is written.
#include <cstdint>

#include "engine/job.h"
#include "engine/record_moves.h"

namespace vantrel {

// Which record is read (`source`) and which is overwritten (`target`), by type index.
struct RecordPair {
  std::uint8_t source = 0;
  std::uint8_t target = 0;
};

// The stock records of the support folder, for every model file that has a stock and a
// working copy: what the removal of an install from before the ledger puts back, as one
// change (MoveRecords).
std::vector<RecordMove> StockRecordMoves(RecordPair pair);

// Whether the move would write bytes other than those its target holds there. Raises
// InOutError naming the file.
bool ChangesRecord(const RecordMove& move);

// The number of the record a move writes, counted from 0 after the file's header.
std::uint64_t RecordNumberOf(const RecordMove& move);

// An aircraft install's records, planned as one change: record `pair.target` of each model
// file with a stock and a working copy becomes the stock record `pair.source`, or the
// patch's own where FM/DM changing is on for its variant. Each is noted for the ledger with
// the bytes it replaces; where an earlier patch of the slot (`slotEntries`) put those bytes,
// the bytes that patch replaced are noted instead, so the game's record comes back at the end.
// Reads only; raises InOutError naming the file.
std::vector<RecordMove> PlanInstallRecords(Job& job, RecordPair pair, const std::vector<LedgerEntry>& slotEntries,
                                           std::vector<LedgerRecord>& noted);
// A removal's records: each record still holding what the entry wrote gets back what it
// replaced. A record holding neither is left as it is and its file noted in `changed`.
std::vector<RecordMove> PlanRemovalRecords(const LedgerEntry& entry, std::vector<std::string>& changed);

// Whether the current folder holds at least one of the model files.
bool HoldsModelFile();

}  // namespace vantrel
