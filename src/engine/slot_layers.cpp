#include "engine/slot_layers.h"

#include <algorithm>

#include "engine/content_hash.h"
#include "engine/file_layers.h"
#include "engine/model_records.h"
#include "engine/object_bodies.h"
#include "engine/restore_lines.h"
#include "engine/script_text.h"
#include "platform/names.h"
#include "platform/search.h"

namespace vantrel {

namespace {

// What the install's del lines take away: the slot's shapes and textures, and for an
// aircraft its type-indexed bitmaps and damage table. Hidden files are left by the shell's
// del, and so here.
std::vector<std::string> SlotPatterns(std::string_view slotCode, bool aircraft) {
  const std::string code(slotCode);
  std::vector<std::string> patterns = {code + "????.dml", code + "????.dts", code + "????.bmp"};
  if (aircraft) {
    const std::string typeIndex(From(slotCode, 3).substr(0, 2));
    patterns.insert(patterns.end(), {"win?" + typeIndex + "??.bmp", "str?" + typeIndex + "??.bmp", typeIndex + "damage.dat"});
  }
  return patterns;
}

bool Holds(const std::vector<std::string>& names, std::string_view name) {
  return std::any_of(names.begin(), names.end(), [&](const std::string& known) { return platform::SameNameIgnoringCase(known, name); });
}

void AddName(std::vector<std::string>& names, std::string_view name) {
  if (!Holds(names, name)) names.emplace_back(name);
}

bool NoPatchInstalledBefore(const std::string&) { return false; }

}  // namespace

std::vector<LedgerEntry> SlotEntries(const std::vector<LedgerEntry>& ledger, std::string_view slotCode) {
  std::vector<LedgerEntry> entries;
  for (const LedgerEntry& entry : ledger) {
    const std::string_view marker = entry.marker;
    if (marker.size() > slotCode.size() && marker[slotCode.size()] == '_' &&
        platform::SameNameIgnoringCase(marker.substr(0, slotCode.size()), slotCode)) {
      entries.push_back(entry);
    }
  }
  return entries;
}

void PlanSlotInstall(Job& job, std::string_view slotCode, bool aircraft) {
  const std::vector<LedgerEntry> slotEntries = SlotEntries(job.ledger, slotCode);
  std::vector<std::string> names;
  std::vector<std::string> taken;  // what the del lines take away
  for (const PlannedCopy& copy : job.plan.copies) AddName(names, copy.LedgerName());
  for (const std::string& pattern : SlotPatterns(slotCode, aircraft)) {
    for (const auto& found : platform::FindEntries(pattern, platform::Admit::Files)) {
      AddName(names, found.name);
      AddName(taken, found.name);
    }
  }
  // What an earlier patch took away is taken away still; its kept original goes on.
  for (const LedgerEntry& entry : slotEntries) {
    for (const LedgerFile& file : entry.files) AddName(names, file.target);
  }
  for (const std::string& name : names) {
    std::string source;
    for (const PlannedCopy& copy : job.plan.copies) {
      if (platform::SameNameIgnoringCase(copy.LedgerName(), name)) source = copy.source;
    }
    // A default damage table missing from the support folder is the shell copy's failure.
    // An earlier patch's file that no line touches (a plane bitmap) stays as it is.
    std::string put = !source.empty() ? CurrentHash(source) : Holds(taken, name) ? "" : CurrentHash(name);
    NewLayer layer = LayerOver(job.ledger, name, std::move(put), source, NoPatchInstalledBefore);
    if (layer.file.put.empty() && layer.current.empty() && layer.file.kept.empty()) continue;
    job.layers.push_back(std::move(layer));
  }
  for (const LedgerEntry& entry : slotEntries) {
    if (!platform::SameNameIgnoringCase(entry.marker, job.plan.marker)) job.plan.endsEntries.push_back(entry);
  }
  if (aircraft) {
    job.recordMoves = PlanInstallRecords(job, RecordPair{job.s.sourceIndex, job.s.targetIndex}, slotEntries, job.records);
  }
}

void WriteSlotRemoval(Job& job, const LedgerEntry& entry, bool aircraft) {
  ScriptFile& scriptFile = job.scriptFile;
  const std::string code = entry.marker.substr(0, 4);
  if (aircraft) scriptFile.WriteLine("echo deleting " + code);
  // Each file by its name: a pattern would also take what no patch of ours put there.
  WriteRestoreLines(job, entry, [](const LedgerFile& file, const RestoreStep& step) -> std::vector<std::string> {
    const std::string target = ShellPath(file.target);
    switch (step.what) {
      case Restore::Delete:
        return {"del " + target};
      case Restore::MoveKept:
        return {"move " + ShellPath(step.from) + " " + target};
      case Restore::CopyBelow:
        return {"copy " + ShellPath(step.from) + " " + target};
      case Restore::DropKept:
        return {"del " + ShellPath(step.from)};
      default:
        return {};
    }
  });
  WriteMarkerDeletion(job, code);
  if (aircraft) {
    scriptFile.WriteLine("pause ");
    std::vector<std::string> changed;
    job.recordMoves = PlanRemovalRecords(entry, changed);
    for (const std::string& file : changed) job.plan.keptAsTheyAre.push_back(file + " (the slot's record)");
  }
}

void NoteSlotFilesTaken(Job& job, std::string_view slotCode, bool aircraft) {
  for (const std::string& pattern : SlotPatterns(slotCode, aircraft)) {
    for (const auto& found : platform::FindEntries(pattern, platform::Admit::Files)) {
      job.restored.push_back({found.name, {Restore::Delete, "", ""}});
    }
  }
}

}  // namespace vantrel
