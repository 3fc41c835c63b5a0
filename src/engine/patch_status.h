#pragma once
// Whether each installed patch's files are still in place with the bytes it put there. Of
// the files several patches replaced, only the top layer's is checked against the disk: a
// file a later patch covers is that patch's to hold.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/folded_names.h"
#include "engine/installed.h"
#include "engine/ledger.h"

namespace vantrel {

enum class Fault {
  Changed,       // other bytes than the patch put there, or a file where it took one away
  Missing,       // no file where the patch put one
  CouldNotLook,  // the file could not be looked at or read: nothing is known of it
};

struct FileFault {
  Fault what = Fault::Changed;
  std::string target;  // as the ledger names it ("03059000.dml", "..\rb.vol")
  std::string shown;   // as the job's copy line names it (".\03059000.dml", "..\rb.vol")
  std::string why;     // for CouldNotLook, the system's text
  // "changed: .\03059000.dml", "missing: ..\rb.vol", "could not look: ..\rb.vol (File access denied)"
  std::string Text() const;
};

struct PatchStatus {
  InstalledPatch patch;
  std::vector<FileFault> faults;

  // All its files in place; a marker the ledger does not know is never.
  bool InPlace() const { return patch.record && faults.empty(); }
  // What is not, one line each: the faults' texts, or "no ledger record" for such a marker.
  std::vector<std::string> Problems() const;
};

// The hash of the file at a path, "" when none is there; raises InOutError when it cannot tell.
using HashReader = std::function<std::string(const std::string& path)>;

// The entry on top of each file of the ledger (file_layers.h's TopLayer), found once for all
// the files of a status check.
class TopLayers {
 public:
  // `ledger` must outlive it.
  explicit TopLayers(const std::vector<LedgerEntry>& ledger);
  // Whether `entry` is the top layer of its file `target`.
  bool OnTop(const LedgerEntry& entry, std::string_view target) const;
  // The same for every file of the ledger, entry by entry in its order: found as the layers
  // were, with no second lookup.
  const std::vector<bool>& OnTopInOrder() const { return onTopInOrder_; }

 private:
  FoldedNameMap<const LedgerEntry*> top_;  // by target
  std::vector<bool> onTopInOrder_;
};

// The faults of one installed patch's files, each file read through `hashOf` once.
std::vector<FileFault> FaultsOf(const LedgerEntry& entry, const TopLayers& tops, const HashReader& hashOf);

struct GameStatus {
  std::vector<PatchStatus> patches;  // every marker of the working folder, in the order of its name
  std::size_t filesRead = 0;         // the files whose bytes were read: the cache knew the rest

  bool AllInPlace() const;
};

// Every installed patch checked, the hashes of files whose size and time are unchanged taken
// from the support folder's cache, which then learns the others. Raises what reading the
// folder, the ledger or the cache raises; a file that cannot be looked at is a fault of its
// patch, never one that is missing. `read`, when given, has the installed patches as soon as
// they are read, before any file is hashed.
GameStatus CheckGameStatus(const Catalogue& cat,
                           const std::function<void(std::vector<InstalledPatch>)>& read = nullptr);

}  // namespace vantrel
