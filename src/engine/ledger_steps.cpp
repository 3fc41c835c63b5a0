#include "engine/ledger_steps.h"

#include <optional>

#include "engine/code_fields.h"
#include "engine/file_errors.h"
#include "engine/file_layers.h"
#include "engine/fmdm_choice.h"
#include "engine/ledger.h"
#include "engine/model_records.h"
#include "engine/recovery.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/search.h"
#include "platform/whole_write.h"

namespace vantrel {

namespace {

LedgerEntry InstallEntry(Job& job) {
  LedgerEntry entry;
  entry.marker = job.plan.marker;
  entry.folder = job.patchFiles.Folder();
  entry.order = NextLedgerOrder(job.ledger);
  entry.state = LedgerState::Installing;
  entry.fmdm = job.records.empty() ? "off" : FmdmChoice(job.s);
  for (const NewLayer& layer : job.layers) entry.files.push_back(layer.file);
  entry.records = job.records;
  return entry;
}

// Back to what was there before the install's entry was written: its records get their old
// bytes, the game's files it kept take their names again, and the entry it replaced, if any,
// comes back.
void Undo(const std::vector<const NewLayer*>& kept, const LedgerEntry& entry, const std::optional<LedgerEntry>& previous) noexcept {
  try {
    std::vector<std::string> changed;
    MoveRecords(PlanRemovalRecords(entry, changed));
    for (const NewLayer* layer : kept) {
      const LedgerFile& file = layer->file;
      if (!platform::FileExists(file.kept)) continue;
      // The file still at its name was never moved: what the kept name holds is a copy that
      // a move across devices began.
      if (platform::FileExists(file.target)) {
        platform::DeleteFileAt(file.kept);
      } else {
        platform::MoveFileTo(file.kept, file.target);
      }
    }
    if (previous) {
      WriteLedgerEntry(*previous);
    } else {
      DropLedgerEntry(entry.marker);
    }
  } catch (const std::exception&) {
    // The failure the user sees is the one that started the undoing; the entry left
    // installing is found again before the next job.
  }
}

void PrepareInstall(Job& job, const std::function<void()>& placeScript) {
  const LedgerEntry entry = InstallEntry(job);
  const std::optional<LedgerEntry> previous = FindLedgerEntry(job.ledger, entry.marker);
  WriteLedgerEntry(entry);
  std::vector<const NewLayer*> kept;
  try {
    for (const NewLayer& layer : job.layers) {
      if (!layer.keepNow) continue;
      kept.push_back(&layer);
      KeepOriginal(layer);
    }
    MoveRecords(job.recordMoves);
    placeScript();
  } catch (...) {
    Undo(kept, entry, previous);
    throw;
  }
  job.plan.entry = entry;
}

// The script is placed before the records are put back, so that a failure of either leaves
// the entry as it was: the records change all together or not at all.
void PrepareRemoval(Job& job, const std::function<void()>& placeScript) {
  const std::optional<LedgerEntry> entry =
      job.plan.removedEntry ? FindLedgerEntry(job.ledger, job.plan.removedEntry->marker) : std::nullopt;
  if (!entry) return placeScript();
  LedgerEntry removing = *entry;
  removing.state = LedgerState::Removing;
  WriteLedgerEntry(removing);
  try {
    placeScript();
    MoveRecords(job.recordMoves);
  } catch (...) {
    try {
      if (platform::FileExists(job.plan.script)) platform::DeleteFileAt(job.plan.script);
      WriteLedgerEntry(*entry);
    } catch (const std::exception&) {
      // Left removing: the next job finishes the removal.
    }
    throw;
  }
}

std::string MarkerText(std::string_view marker) {
  return IsVolumeMarker(marker) ? "OK \r\n" : "Active \r\n";
}

}  // namespace

void PrepareLedger(Job& job, const std::function<void()>& placeScript) {
  if (!job.plan.marker.empty()) {
    PrepareInstall(job, placeScript);
  } else if (job.plan.removedEntry) {
    PrepareRemoval(job, placeScript);
  } else {
    placeScript();
  }
}

bool FinishLedger(const JobPlan& plan, JobOutcome& outcome) {
  if (plan.entry) {
    if (!outcome.Complete()) {
      // Undone at once: a job cut short has moved the game's own files aside.
      outcome.changedSince = UndoInstall(plan.entry->marker);
      outcome.undone = true;
      return false;
    }
    LedgerEntry installed = *plan.entry;
    installed.state = LedgerState::Installed;
    // A file its del lines were to take away that the shell left (Wine's cmd matches "?"
    // before a dot less widely than Windows does) is still there as it was: the ledger holds
    // what the job did, so that its removal finds its own.
    for (LedgerFile& file : installed.files) {
      if (file.put.empty()) file.put = CurrentHash(file.target);
    }
    WriteLedgerEntry(installed);
    for (const LedgerEntry& ended : plan.endsEntries) DropLedgerEntry(ended.marker);
    return true;
  }
  if (!plan.removedEntry) return false;
  const std::string& marker = plan.removedEntry->marker;
  for (const ExpectedFile& file : plan.expected) {
    if (CurrentHash(file.target) != file.hash) outcome.notPutBack.push_back(file.target);
  }
  outcome.keptAsTheyAre = plan.keptAsTheyAre;
  if (outcome.shellSucceeded && outcome.notPutBack.empty() && !outcome.markerLeft) {
    DropLedgerEntry(marker);
    return true;
  }
  if (!platform::FileExists(marker)) {
    NamingFile(marker, [&] { platform::WriteFileWhole(marker, MarkerText(marker)); });
  }
  return false;
}

}  // namespace vantrel
