#include "engine/undo.h"

#include <algorithm>
#include <array>
#include <functional>
#include <set>

#include "catalogue/list_line.h"
#include "catalogue/scan.h"
#include "engine/activation.h"
#include "engine/code_fields.h"
#include "engine/fmdm_choice.h"
#include "engine/installed.h"
#include "engine/job_history.h"
#include "engine/ledger.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/names.h"

namespace vantrel {

namespace {

constexpr std::string_view kMarkerExtension = ".aop";

std::string EntryOf(const std::string& marker) {
  return marker.ends_with(kMarkerExtension) ? marker.substr(0, marker.size() - kMarkerExtension.size()) : marker;
}

RowJob Removal(const std::string& marker, std::uint64_t undoes) {
  RowJob step;
  step.entry = EntryOf(marker);
  step.undoes = undoes;
  return step;
}

// The install of a ledger entry again, with the slot and the FM/DM choice it had.
RowJob Install(const LedgerEntry& entry, const std::string& slot, std::uint64_t undoes) {
  RowJob step;
  step.activation = true;
  step.folder = entry.folder;
  step.slot = slot;
  step.fmdm = entry.fmdm;
  step.undoes = undoes;
  return step;
}

bool IsActive(const std::vector<InstalledPatch>& installed, const std::string& marker) {
  return std::any_of(installed.begin(), installed.end(),
                     [&](const InstalledPatch& patch) { return platform::SameNameIgnoringCase(patch.marker, marker); });
}

bool SharesAFile(const LedgerEntry& a, const LedgerEntry& b) {
  return std::any_of(a.files.begin(), a.files.end(), [&](const LedgerFile& file) { return b.FileFor(file.target); });
}

// The last job that did its work, is no undo's and has not been undone.
const HistoryRecord* LastToUndo(const std::vector<HistoryRecord>& history) {
  std::set<std::uint64_t> undone;
  for (const HistoryRecord& record : history) {
    if (record.done && record.undoes != 0) undone.insert(record.undoes);
  }
  for (auto record = history.rbegin(); record != history.rend(); ++record) {
    if (record->done && record->undoes == 0 && !undone.contains(record->number)) return &*record;
  }
  return nullptr;
}

// The entries installed after `entry` that hold one of its files: an install of it now would
// lie over them.
std::vector<LedgerEntry> LayersAbove(const LedgerEntry& entry) {
  std::vector<LedgerEntry> above;
  for (const LedgerEntry& other : ReadLedger()) {
    if (other.order > entry.order && SharesAFile(other, entry)) above.push_back(other);
  }
  return above;  // in the order of their installs
}

std::string SlotOf(const LedgerEntry& entry) { return entry.marker.substr(0, 4); }

void Pick(EntryList& list, const std::function<bool(const std::string&)>& wanted) {
  for (int i = 0; i < list.Count(); ++i) {
    if (wanted(list.At(i))) return list.Select(i);
  }
  list.ClearSelection();
}

// The FM/DM choice of a step's install while its script is written; the user's own after.
class ChoiceForAStep {
 public:
  ChoiceForAStep(Session& s, const RowJob& step) : s_(s), changing_(s.fmdmChanging), variants_(s.fmVariantFlags) {
    if (const std::optional<std::string> unknown = ApplyFmdmChoice(s, step.fmdm)) {
      throw Error("Unknown FM/DM choice of " + step.folder + ": " + *unknown);
    }
  }
  ~ChoiceForAStep() {
    s_.fmdmChanging = changing_;
    s_.fmVariantFlags = variants_;
  }
  ChoiceForAStep(const ChoiceForAStep&) = delete;
  ChoiceForAStep& operator=(const ChoiceForAStep&) = delete;

 private:
  Session& s_;
  bool changing_;
  std::array<bool, 3> variants_;
};

bool IsLineOf(const std::string& line, const std::string& folder) { return LineName(line) == folder; }

}  // namespace

std::vector<RowJob> UndoSteps(const Catalogue& cat) {
  const std::vector<HistoryRecord> history = ReadHistory();
  const HistoryRecord* last = LastToUndo(history);
  if (!last) throw Error("There is no job to undo.");
  const std::vector<InstalledPatch> installed = InstalledPatches(cat);
  const std::string entry = EntryOf(last->marker);
  std::vector<RowJob> steps;
  if (last->activation) {
    if (!IsActive(installed, last->marker)) {
      throw Error("The last job cannot be undone: " + entry + " is no longer active.");
    }
    steps.push_back(Removal(last->marker, last->number));
    for (const LedgerEntry& replaced : last->replaced) steps.push_back(Install(replaced, SlotOf(replaced), last->number));
    return steps;
  }
  if (IsActive(installed, last->marker)) throw Error("The last job cannot be undone: " + entry + " is active again.");
  const std::vector<LedgerEntry> above = LayersAbove(*last->removed);
  for (auto layer = above.rbegin(); layer != above.rend(); ++layer) steps.push_back(Removal(layer->marker, last->number));
  steps.push_back(Install(*last->removed, last->slot, last->number));
  for (const LedgerEntry& layer : above) {
    steps.push_back(Install(layer, IsVolumeMarker(layer.marker) ? "" : SlotOf(layer), last->number));
  }
  return steps;
}

std::vector<RowJob> RestoreSteps(const Catalogue& cat) {
  std::vector<InstalledPatch> installed = InstalledPatches(cat);
  // The ledger's top layers first; a patch it does not know was installed before it.
  std::stable_sort(installed.begin(), installed.end(), [](const InstalledPatch& a, const InstalledPatch& b) {
    return (a.record ? a.record->order : 0) > (b.record ? b.record->order : 0);
  });
  std::vector<RowJob> steps;
  for (const InstalledPatch& patch : installed) steps.push_back(Removal(patch.marker, 0));
  return steps;
}

std::string RowJobText(const Catalogue& cat, const RowJob& step) {
  if (!step.activation) return "remove " + step.entry;
  std::string text = "install " + step.folder;
  if (!step.slot.empty()) {
    const std::string name = SlotNameOf(cat, step.slot);
    text += " in " + step.slot + (name.empty() ? "" : " " + name);
  }
  if (step.fmdm != "off") text += " with FM/DM " + step.fmdm;
  return text;
}

JobPlan WriteStepScript(Session& s, const RowJob& step) {
  Catalogue& cat = s.cat;
  std::optional<JobPlan> plan;
  if (step.activation) {
    // The window's lists hold the patch already; the command line's are read now.
    const auto wanted = [&](const std::string& line) { return IsLineOf(line, step.folder); };
    Pick(cat.ListBox1, wanted);
    if (!cat.ListBox1.Selected()) {
      RefreshPatchList(cat);
      Pick(cat.ListBox1, wanted);
    }
    if (!cat.ListBox1.Selected()) throw Error("The patch folder is gone: " + step.folder);
    FillDestinationSlots(cat);
    if (!step.slot.empty()) {
      Pick(cat.ListBox2, [&](const std::string& line) { return platform::SameNameIgnoringCase(LineCode(line), step.slot); });
      if (!cat.ListBox2.Selected()) throw Error("No such destination slot: " + step.slot);
    }
    const ChoiceForAStep choice(s, step);
    plan = WriteActivationScript(s);
  } else {
    ListActivePatches(cat);
    const std::optional<int> found = cat.ListBox3.FindIgnoringCase(step.entry);
    if (!found) throw Error("The patch is no longer active: " + step.entry);
    cat.ListBox3.Select(*found);
    plan = WriteDeactivationScript(s);
    if (!plan) throw Error("The patch is no longer active: " + step.entry);
  }
  plan->undoes = step.undoes;
  return *plan;
}

std::vector<std::string> NotRestored(const Catalogue& cat) {
  std::vector<std::string> left;
  for (const InstalledPatch& patch : InstalledPatches(cat)) left.push_back("still active: " + patch.entry);
  for (const LedgerEntry& entry : ReadGameLedger()) {
    if (!IsOwnEntry(entry)) {
      left.push_back("held by another working folder: " + EntryOf(entry.marker));
    } else if (!platform::FileExists(entry.marker)) {
      left.push_back("in the ledger without its marker: " + EntryOf(entry.marker));
    }
  }
  return left;
}

}  // namespace vantrel
