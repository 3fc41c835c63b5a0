#include "engine/recovery.h"

#include <algorithm>

#include "engine/code_fields.h"
#include "engine/file_errors.h"
#include "engine/file_layers.h"
#include "engine/ledger.h"
#include "engine/model_records.h"
#include "engine/record_moves.h"
#include "engine/script_file.h"
#include "engine/slot_layers.h"
#include "platform/files.h"
#include "platform/search.h"

namespace vantrel {

namespace {

bool IsVolume(const LedgerEntry& entry) { return IsVolumeMarker(entry.marker); }

std::string Slot(const LedgerEntry& entry) {
  return IsVolume(entry) ? "the game's archives" : "slot " + entry.marker.substr(0, 4);
}

// The script of the job, which a job cut short may have left behind.
std::string ScriptOf(const LedgerEntry& entry) {
  return IsVolume(entry) ? VolumeScriptName() : entry.marker.substr(0, 4) + ".bat";
}

bool InPlace(const LedgerEntry& entry) {
  if (!platform::FileExists(entry.marker)) return false;
  return std::all_of(entry.files.begin(), entry.files.end(), [](const LedgerFile& file) {
    return CurrentHash(file.target) == file.put;
  });
}

// A script written and never run (--no-run, or a shell that could not start) has left every
// file as the install found it: the layer below, or the game's own.
bool NeverRun(const std::vector<LedgerEntry>& ledger, const LedgerEntry& entry) {
  if (platform::FileExists(entry.marker)) return false;
  return std::all_of(entry.files.begin(), entry.files.end(), [&](const LedgerFile& file) {
    const LedgerEntry* below = TopLayer(ledger, file.target, entry.marker, entry.order);
    const std::string current = CurrentHash(file.target);
    if (below) return current == below->FileFor(file.target)->put;
    // The game's own file, kept under its other name before the script would run.
    return current == file.keptHash || (current.empty() && !file.kept.empty() && platform::FileExists(file.kept));
  });
}

void DeleteIfThere(const std::string& path) {
  if (platform::FileExists(path)) NamingFile(path, [&] { platform::DeleteFileAt(path); });
}

// What the removal's lines would do, done here; files changed since are left and named.
std::vector<std::string> PutBack(const std::vector<LedgerEntry>& ledger, const LedgerEntry& entry) {
  std::vector<std::string> changed;
  for (const LedgerFile& file : entry.files) {
    const RestoreStep step = RestoreFor(ledger, entry, file);
    switch (step.what) {
      case Restore::Nothing:
        break;
      case Restore::Changed:
        changed.push_back(file.target);
        break;
      case Restore::Delete:
        DeleteIfThere(file.target);
        break;
      case Restore::MoveKept:
        NamingFile(file.target, [&] { platform::MoveFileTo(step.from, file.target); });
        break;
      case Restore::CopyBelow:
        NamingFile(file.target, [&] { platform::CopyFileKeepTime(step.from, file.target); });
        break;
      case Restore::DropKept:
        DeleteIfThere(step.from);
        break;
    }
  }
  MoveRecords(PlanRemovalRecords(entry, changed));
  DeleteIfThere(entry.marker);
  return changed;
}

std::string Recover(const std::vector<LedgerEntry>& ledger, const LedgerEntry& entry) {
  const bool neverRun = entry.state == LedgerState::Installing && NeverRun(ledger, entry);
  DeleteIfThere(ScriptOf(entry));
  DeleteIfThere(UnfinishedScript(ScriptOf(entry)));
  if (entry.state == LedgerState::Installing && InPlace(entry)) {
    LedgerEntry installed = entry;
    installed.state = LedgerState::Installed;
    WriteLedgerEntry(installed);
    // An install into a slot ends the patches it found there.
    if (!IsVolume(entry)) {
      for (const LedgerEntry& earlier : SlotEntries(ledger, entry.marker.substr(0, 4))) {
        if (earlier.order < entry.order) DropLedgerEntry(earlier.marker);
      }
    }
    return "The install of " + entry.folder + " into " + Slot(entry) + " was cut short after its last step; it is finished.";
  }
  const std::vector<std::string> changed = PutBack(ledger, entry);
  DropLedgerEntry(entry.marker);
  std::string told = neverRun ? "The install of " + entry.folder + " into " + Slot(entry) + " was never run; it is undone."
                     : entry.state == LedgerState::Installing
                         ? "The install of " + entry.folder + " into " + Slot(entry) + " was cut short; it is undone."
                         : "The removal of " + entry.folder + " from " + Slot(entry) + " was cut short; it is finished.";
  if (!changed.empty()) {
    std::string names;
    for (const std::string& name : changed) names += (names.empty() ? "" : ", ") + name;
    told += " Changed since, so kept as they are: " + names + ".";
  }
  return told;
}

}  // namespace

std::vector<std::string> UndoInstall(const std::string& marker) {
  const std::vector<LedgerEntry> ledger = ReadGameLedger();
  const std::optional<LedgerEntry> entry = FindLedgerEntry(ledger, marker);
  if (!entry || entry->state != LedgerState::Installing) return {};
  DeleteIfThere(ScriptOf(*entry));
  DeleteIfThere(UnfinishedScript(ScriptOf(*entry)));
  const std::vector<std::string> changed = PutBack(ledger, *entry);
  DropLedgerEntry(entry->marker);
  return changed;
}

bool CutShort(const LedgerEntry& entry) { return IsOwnEntry(entry) && entry.state != LedgerState::Installed; }

std::vector<std::string> RecoverJobs() {
  std::vector<std::string> told;
  // Latest first, the ledger read again after each: an interrupted install over another
  // puts that one's layer back.
  for (;;) {
    const std::vector<LedgerEntry> ledger = ReadGameLedger();
    const auto open = std::find_if(ledger.rbegin(), ledger.rend(), CutShort);
    if (open == ledger.rend()) return told;
    told.push_back(Recover(ledger, *open));
  }
}

}  // namespace vantrel
