#pragma once
// What the working folder has installed: each activation marker there, joined with the
// ledger's record of the job that left it and the name of the slot it holds. Status, repair,
// the plan of a job, the slot holders shown in the lists, history and undo all read the game
// through this one reading.
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/ledger.h"
#include "platform/search.h"

namespace vantrel {

struct InstalledPatch {
  std::string marker;    // "0305_FE2b Fighter.aop", as the folder spells it
  std::string entry;     // its Active patches entry: the marker's name without ".aop"
  std::string slotCode;  // its first four characters: "0305"; "0099" for a volume patch
  std::string slotName;  // the name of that destination slot; "" for a code that names none
  std::optional<LedgerEntry> record;  // none for a marker the ledger does not know
};

// The slot name of a four-character slot code ("0305"); "" for a code outside the table.
std::string SlotNameOf(const Catalogue& cat, const std::string& slotCode);

// The patch that holds the slot: the folder its ledger entry names, else the one the marker
// names ("FE2b Fighter" of "0305_FE2b Fighter.aop", "SpringMaps" of a volume marker).
std::string HolderName(const InstalledPatch& patch);

// The game's files a patch holds, as its ledger entry names them ("..\rb.vol"); none for a
// patch the ledger does not know.
std::vector<std::string> HeldFiles(const InstalledPatch& patch);

// Every marker of the working folder in the order of its name, each with its ledger entry.
// Raises what reading the folder or the ledger raises: a patch is never taken for absent
// because it could not be looked at.
std::vector<InstalledPatch> InstalledPatches(const Catalogue& cat);
// The same joined with `ledger`, the game's ledger (ReadGameLedger) as the caller read it for
// its own use of the layers.
std::vector<InstalledPatch> InstalledPatches(const Catalogue& cat, const std::vector<LedgerEntry>& ledger);
// The same taking the entries over, where the caller needs the ledger no more: a thousand
// patches' records are not copied.
std::vector<InstalledPatch> InstalledPatches(const Catalogue& cat, std::vector<LedgerEntry>&& ledger);
// The working folder's markers as InstalledPatches finds them, for a caller that lists them
// while it reads something else, and the join of those it found.
std::vector<platform::FoundEntry> FindMarkers();
std::vector<InstalledPatch> InstalledPatches(const Catalogue& cat, std::vector<LedgerEntry>&& ledger,
                                             const std::vector<platform::FoundEntry>& markers);

}  // namespace vantrel
