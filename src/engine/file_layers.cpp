#include "engine/file_layers.h"

#include "engine/content_hash.h"
#include "engine/file_errors.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/names.h"

namespace vantrel {

namespace {

constexpr std::string_view kKeptExtension = ".orig";

// A kept copy is trusted only while it holds what was kept.
void CheckKept(std::string_view kept, std::string_view hash, std::string_view target) {
  if (!platform::FileExists(kept) || CurrentHash(kept) != hash) {
    throw Error("The game's own " + std::string(target) + ", kept as " + std::string(kept) +
                ", is gone or changed; it cannot be put back.");
  }
}

}  // namespace

std::string CurrentHash(std::string_view path) {
  if (!platform::FileExists(path)) return "";
  return HashOfFile(path);
}

const LedgerEntry* TopLayer(const std::vector<LedgerEntry>& ledger, std::string_view target, std::string_view except,
                            std::uint64_t belowOrder) {
  const LedgerEntry* top = nullptr;
  for (const LedgerEntry& entry : ledger) {
    if (entry.order >= belowOrder || platform::SameNameIgnoringCase(entry.marker, except)) continue;
    if (entry.FileFor(target) && (!top || entry.order > top->order)) top = &entry;
  }
  return top;
}

NewLayer LayerOver(const std::vector<LedgerEntry>& ledger, std::string_view target, std::string put,
                   std::string source, const std::function<bool(const std::string&)>& reproducible) {
  const std::string current = CurrentHash(target);
  NewLayer layer{{std::string(target), std::move(put), std::move(source), "", ""}, current, false};
  if (const LedgerEntry* top = TopLayer(ledger, target)) {
    const LedgerFile& below = *top->FileFor(target);
    // A file gone holds nothing to lose: the new layer goes over it (a repair puts it back).
    if (below.put != current && !current.empty()) {
      throw Error(std::string(target) + " was changed after " + top->folder +
                  " put it there; remove that patch first, which keeps the file as it is.");
    }
    layer.file.kept = below.kept;
    layer.file.keptHash = below.keptHash;
    return layer;
  }
  const std::string kept = std::string(target) + std::string(kKeptExtension);
  if (platform::DirectoryExists(kept)) {
    throw Error("A folder stands where the game's own file is kept: " + kept + ". Move it away, then try again.");
  }
  if (current.empty()) return layer;  // the game has no such file
  if (platform::FileExists(kept)) {
    // Kept by an install from before the ledger: the original, as long as what is in place
    // now is that install's and can be had again.
    if (!reproducible(current)) {
      throw Error(kept + " is there already, and " + std::string(target) +
                  " is no active patch's: which one is the game's own cannot be told. Move one of them away, then try again.");
    }
    layer.file.kept = kept;
    layer.file.keptHash = CurrentHash(kept);
    return layer;
  }
  layer.file.kept = kept;
  layer.file.keptHash = current;
  layer.keepNow = true;
  return layer;
}

void KeepOriginal(const NewLayer& layer) {
  if (!layer.keepNow) return;
  // Kept by its own name changing: the bytes are never rewritten, so they need no checking,
  // and a game archive of half a gigabyte is kept at once. The job's copy then writes a new
  // file where it stood.
  const LedgerFile& file = layer.file;
  NamingFile(file.target, [&] { platform::MoveFileTo(file.target, file.kept); });
}

RestoreStep RestoreFor(const std::vector<LedgerEntry>& ledger, const LedgerEntry& entry, const LedgerFile& file) {
  // A layer above stays as it is; dropping this one changes nothing on disk.
  for (const LedgerEntry& other : ledger) {
    if (other.order > entry.order && other.FileFor(file.target)) return {};
  }
  const std::string current = CurrentHash(file.target);
  const LedgerEntry* below = TopLayer(ledger, file.target, entry.marker, entry.order);
  // Done already, by an earlier run of this removal that did not end.
  if (current != file.put) {
    if (below && current == below->FileFor(file.target)->put) return {};
    if (!below && current == file.keptHash) {
      if (!file.kept.empty() && platform::FileExists(file.kept) && CurrentHash(file.kept) == file.keptHash) {
        return {Restore::DropKept, file.kept, current};
      }
      return {};
    }
    // Bytes of neither: a change since the install, unless the install itself was cut short
    // while it wrote them.
    if (entry.state != LedgerState::Installing) return {Restore::Changed, "", current};
  }
  if (below) {
    const LedgerFile& lower = *below->FileFor(file.target);
    if (lower.put.empty()) return {Restore::Delete, "", ""};
    if (!platform::FileExists(lower.source) || CurrentHash(lower.source) != lower.put) {
      throw Error(file.target + " cannot be put back as " + below->folder + " had it: " + lower.source +
                  " is gone or changed. Remove " + below->folder + " first.");
    }
    return {Restore::CopyBelow, lower.source, lower.put};
  }
  if (!file.kept.empty()) {
    CheckKept(file.kept, file.keptHash, file.target);
    return {Restore::MoveKept, file.kept, file.keptHash};
  }
  if (current.empty()) return {};
  return {Restore::Delete, "", ""};
}

}  // namespace vantrel
