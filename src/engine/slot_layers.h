#pragma once
// The ledger's part in the jobs of a slot: an install takes away every file of the slot and
// puts the patch's in place, a removal puts back what the install found.
#include <string>
#include <string_view>
#include <vector>

#include "engine/job.h"
#include "engine/ledger.h"

namespace vantrel {

// The entries of the patches installed in `slotCode`: their markers begin with it.
std::vector<LedgerEntry> SlotEntries(const std::vector<LedgerEntry>& ledger, std::string_view slotCode);

// Once an install body has written its lines: a layer for every file of the slot that its
// del lines take away or its copy lines put in place, the game's own ones to be kept whole;
// for an aircraft slot also its model records. The entries of the patches it takes out of
// the slot are to end with it. Raises Error naming a file that cannot be accounted for.
void PlanSlotInstall(Job& job, std::string_view slotCode, bool aircraft);

// The removal body of a slot whose install the ledger records: each file the patch put
// there goes, and what it found there comes back; a file changed since stays as it is.
// The model records are planned the same way.
void WriteSlotRemoval(Job& job, const LedgerEntry& entry, bool aircraft);

// The removal of an install from before the ledger: notes each file of the slot that its
// del lines take away.
void NoteSlotFilesTaken(Job& job, std::string_view slotCode, bool aircraft);

}  // namespace vantrel
