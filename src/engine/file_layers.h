#pragma once
// Patches that replace the same file form layers, the game's own file kept whole under them.
// These are the decisions of a job over one such file: what an install keeps before it
// writes, and what a removal puts back.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ledger.h"

namespace vantrel {

// The hash of the file at `path`, or "" when no file is there. Raises InOutError.
std::string CurrentHash(std::string_view path);

// The entry with the highest order that holds `target`, among those below `belowOrder`,
// leaving out the entry of `except`; null when there is none.
const LedgerEntry* TopLayer(const std::vector<LedgerEntry>& ledger, std::string_view target,
                            std::string_view except = {}, std::uint64_t belowOrder = UINT64_MAX);

// The layer an install puts over `target`. `put` and `source` are what it will put there
// ("" when it takes the file away). When the file is the game's own, it is to be kept
// whole at TARGET.orig before anything touches it (`keepNow`). `reproducible` tells whether
// bytes of this hash can be had again from an active patch that the ledger does not know
// (installed before it existed).
// Raises Error naming the file when what is there cannot be accounted for: other bytes than
// a patch of ours put there (a file it put that is gone is no loss), or no patch's while a kept original waits beside it, or a
// folder standing where the original would be kept.
struct NewLayer {
  LedgerFile file;
  std::string current;  // the hash of what is there now; "" for no file
  bool keepNow = false;
};
NewLayer LayerOver(const std::vector<LedgerEntry>& ledger, std::string_view target, std::string put,
                   std::string source, const std::function<bool(const std::string&)>& reproducible);

// Keeps the game's own file of a new layer whole, as the layer says, by moving it to its
// kept name: until the job puts the patch's file there, the game has none. Raises
// InOutError naming the file.
void KeepOriginal(const NewLayer& layer);

// What a removal does for one file of its entry.
enum class Restore {
  Nothing,    // another patch lies over it, or it is as it was already
  CopyBelow,  // the layer below: its patch's file copied back (`from`)
  MoveKept,   // the game's own file, kept whole at `from`, moved back
  Delete,     // the game had none: the patch's file goes
  DropKept,   // the game's own file is there already; its kept copy `from` goes
  Changed,    // it holds bytes no patch put there: kept as it is (unless the entry is still
              // installing: then they are the install's own, cut short, and go like its file)
};
struct RestoreStep {
  Restore what = Restore::Nothing;
  std::string from;
  std::string after;  // the hash the file holds once the step is done; "" for none
};
// Raises Error naming the file when the layer below cannot be put back: its patch's file or
// the kept original is gone or no longer holds what the ledger says.
RestoreStep RestoreFor(const std::vector<LedgerEntry>& ledger, const LedgerEntry& entry, const LedgerFile& file);

}  // namespace vantrel
