#include "engine/job_steps.h"

#include <algorithm>

#include "engine/file_layers.h"
#include "engine/model_records.h"
#include "engine/recovery.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/search.h"

namespace vantrel {

namespace {

using Kind = JobStep::Kind;

// Whose `target` is now: the latest patch of the ledger that put bytes there, else the game's.
std::string HolderOf(const std::vector<LedgerEntry>& ledger, const std::string& target) {
  if (const LedgerEntry* top = TopLayer(ledger, target); top && !top->FileFor(target)->put.empty()) {
    return "held by " + top->folder;
  }
  return platform::FileExists(target) ? "the game's own" : "not there now";
}

std::string RecordHolderOf(const std::vector<LedgerEntry>& ledger, const RecordMove& move) {
  const LedgerEntry* holder = nullptr;
  for (const LedgerEntry& entry : ledger) {
    for (const LedgerRecord& record : entry.records) {
      if (record.offset == move.targetOffset && platform::SameNameIgnoringCase(record.file, move.target) &&
          (!holder || entry.order > holder->order)) {
        holder = &entry;
      }
    }
  }
  return holder ? "held by " + holder->folder : "the game's own";
}

const PlannedCopy* CopyOnto(const std::vector<PlannedCopy>& copies, std::string_view target) {
  const auto found = std::find_if(copies.begin(), copies.end(), [&](const PlannedCopy& copy) {
    return platform::SameNameIgnoringCase(copy.LedgerName(), target);
  });
  return found == copies.end() ? nullptr : &*found;
}

// An install's files: each layer it puts over what is there.
void AddLayerSteps(const Job& job, std::vector<JobStep>& steps) {
  for (const NewLayer& layer : job.layers) {
    const std::string& target = layer.file.target;
    const std::string holder = HolderOf(job.ledger, target);
    if (layer.keepNow) steps.push_back({Kind::KeptAsOriginal, target, layer.file.kept, holder, 0});
    if (const PlannedCopy* copy = CopyOnto(job.plan.copies, target)) {
      // A copy of the bytes already there changes nothing.
      if (layer.keepNow || layer.current != layer.file.put) steps.push_back({Kind::Copied, target, copy->source, holder, 0});
    } else if (layer.file.put.empty() && !layer.current.empty() && !layer.keepNow) {
      steps.push_back({Kind::Deleted, target, "", holder, 0});
    }
  }
}

// A removal's files: what each gets back.
void AddRestoreSteps(const Job& job, std::vector<JobStep>& steps) {
  for (const RestoredFile& file : job.restored) {
    const std::string holder = HolderOf(job.ledger, file.target);
    switch (file.step.what) {
      case Restore::Delete:
        steps.push_back({Kind::Deleted, file.target, "", holder, 0});
        break;
      case Restore::MoveKept:
        steps.push_back({Kind::PutBackOriginal, file.target, file.step.from, holder, 0});
        break;
      case Restore::CopyBelow:
        steps.push_back({Kind::PutBackFromPatch, file.target, file.step.from, holder, 0});
        break;
      case Restore::DropKept:
        steps.push_back({Kind::Deleted, file.step.from, "", "the game's own, kept whole", 0});
        break;
      default:
        break;
    }
  }
  for (const std::string& kept : job.plan.keptAsTheyAre) steps.push_back({Kind::LeftAsItIs, kept, "", "", 0});
}

void AddMarkerSteps(const Job& job, std::vector<JobStep>& steps) {
  const std::string& created = job.plan.marker;
  if (!job.plan.removedMarkers.empty()) {
    for (const auto& found : platform::FindEntries(job.plan.removedMarkers, platform::Admit::Files)) {
      // Made again at once, with the same text.
      if (platform::SameNameIgnoringCase(found.name, created)) continue;
      steps.push_back({Kind::MarkerDeleted, found.name, "", "", 0});
    }
  }
  if (!created.empty() && !platform::FileExists(created)) steps.push_back({Kind::MarkerCreated, created, "", "", 0});
}

}  // namespace

bool JobsCutShort(const std::vector<LedgerEntry>& ledger) { return std::any_of(ledger.begin(), ledger.end(), CutShort); }

std::vector<JobStep> StepsOf(const Job& job, bool cutShortFirst) {
  std::vector<JobStep> steps;
  if (cutShortFirst) steps.push_back({Kind::CutShortFirst, "", "", "", 0});
  AddLayerSteps(job, steps);
  AddRestoreSteps(job, steps);
  for (const RecordMove& move : job.recordMoves) {
    if (ChangesRecord(move)) {
      steps.push_back({Kind::RecordChanged, move.target, "", RecordHolderOf(job.ledger, move), RecordNumberOf(move)});
    }
  }
  AddMarkerSteps(job, steps);
  return steps;
}

std::string StepText(const JobStep& step) {
  const std::string holder = step.holder.empty() ? "" : " (" + step.holder + ")";
  switch (step.kind) {
    case Kind::CutShortFirst:
      return "first: the jobs cut short are finished or undone; these steps are of the game as it is now";
    case Kind::Deleted:
      return "deleted: " + step.file + holder;
    case Kind::Copied:
      return "copied: " + step.from + " -> " + step.file + holder;
    case Kind::KeptAsOriginal:
      return "kept as original: " + step.file + " -> " + step.from + holder;
    case Kind::PutBackFromPatch:
      return "put back: " + step.file + " from " + step.from + holder;
    case Kind::PutBackOriginal:
      return "put back: " + step.file + ", the game's own, from " + step.from + holder;
    case Kind::RecordChanged:
      return "model record changed: " + step.file + ", record " + std::to_string(step.record) + holder;
    case Kind::MarkerCreated:
      return "marker created: " + step.file;
    case Kind::MarkerDeleted:
      return "marker deleted: " + step.file;
    case Kind::LeftAsItIs:
      return "left as it is, changed since the patch put it there: " + step.file;
  }
  return step.file;
}

std::string StepsText(const std::vector<JobStep>& steps) {
  std::string text;
  for (const JobStep& step : steps) text += (text.empty() ? "" : "\n") + StepText(step);
  return steps.empty() ? "nothing changes" : text;
}

}  // namespace vantrel
