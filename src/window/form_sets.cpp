// The presenter's "Patch sets...": what is active saved under a name, a set applied as a row
// of the window's ordinary jobs (as an undo's are), a set deleted, exported to a file or
// imported from one.
#include <algorithm>

#include "engine/code_fields.h"
#include "engine/patch_sets.h"
#include "platform/errors.h"
#include "engine/undo.h"
#include "window/form_presenter.h"

namespace vantrel {

namespace {

constexpr const char* kSetsQuestion = "Patch sets: what do you want to do?";
const std::vector<std::string> kSetActions = {"Save what is active now as a set\u2026", "Apply a set\u2026",
                                              "Delete a set\u2026", "Export a set to a file\u2026",
                                              "Import a set from a file\u2026"};
enum SetAction : std::size_t { kSave, kApply, kDelete, kExport, kImport };

// A set's changes as the jobs of a row: the removals first, then the installs in its order.
std::vector<RowJob> JobsOf(const SetChanges& changes) {
  std::vector<RowJob> jobs;
  for (const InstalledPatch& patch : changes.remove) {
    RowJob removal;
    removal.entry = patch.entry;
    jobs.push_back(removal);
  }
  for (const SetMember& member : changes.install) {
    RowJob install;
    install.activation = true;
    install.folder = member.folder;
    install.slot = member.slot == kVolumePatchCode ? "" : member.slot;  // a volume patch takes none
    install.fmdm = member.fmdm;
    jobs.push_back(install);
  }
  return jobs;
}

}  // namespace

void FormPresenter::patchSets() {
  if (PutOffWhileAJobRuns(&FormPresenter::patchSets, "The patch sets wait for the running job.")) return;
  const std::optional<std::size_t> action = view_.Choose(kSetsQuestion, kSetActions);
  if (!action) return;
  switch (*action) {
    case kSave: {
      const std::optional<std::string> name = view_.AskText("Save what is active now as the patch set named:", "");
      if (!name) return;
      CheckSetName(*name);
      const std::vector<std::string> saved = SetNames();
      if (std::find(saved.begin(), saved.end(), *name) != saved.end() &&
          !view_.Ask("There is a patch set " + *name + " already. Put what is active now in its place?", "")) {
        return;
      }
      const PatchSet set{*name, ActiveMembers(cat_)};
      SaveSet(set);
      return jobs_.ShowOutcome("The patch set " + *name + " is saved: " + std::to_string(set.members.size()) +
                               (set.members.size() == 1 ? " patch." : " patches."));
    }
    case kApply:
      if (const std::optional<std::string> name = PickSet("Apply which patch set?")) applySet(*name);
      return;
    case kDelete:
      if (const std::optional<std::string> name = PickSet("Delete which patch set?")) {
        if (!view_.Ask("Delete the patch set " + *name + "? The patches stay as they are.", "")) return;
        DeleteSet(*name);
        jobs_.ShowOutcome("The patch set " + *name + " is deleted.");
      }
      return;
    case kExport:
      if (const std::optional<std::string> name = PickSet("Export which patch set?")) {
        const std::optional<std::string> file = view_.ChooseSetFile(true);
        if (!file) return;
        ExportSet(*name, *file);
        jobs_.ShowOutcome("The patch set " + *name + " is exported to " + *file + ".");
      }
      return;
    case kImport: {
      const std::optional<std::string> file = view_.ChooseSetFile(false);
      if (!file) return;
      PatchSet set = SetToImport(*file);
      if (const std::string missing = MissingText(set); !missing.empty()) {
        if (!view_.Ask(missing + " Import the rest of it?", "")) return;
        LeaveOutMissing(set);
      }
      SaveSet(set);
      return jobs_.ShowOutcome("The patch set " + set.name + " is imported.");
    }
    default:
      return;
  }
}

std::optional<std::string> FormPresenter::PickSet(const std::string& question) {
  const std::vector<std::string> names = SetNames();
  if (names.empty()) {
    view_.ShowMessage("There is no patch set yet: save what is active as one first.");
    return std::nullopt;
  }
  const std::optional<std::size_t> pick = view_.Choose(question, names);
  if (!pick) return std::nullopt;
  return names[*pick];
}

// The question names every patch that goes and comes; "No" changes nothing.
void FormPresenter::applySet(const std::string& name) {
  const PatchSet set = ReadSet(name);
  if (const std::string missing = MissingText(set); !missing.empty()) throw Error(missing + " Nothing was changed.");
  const SetChanges changes = ChangesTo(set, cat_);
  if (changes.Empty()) return jobs_.ShowOutcome("The patch set " + name + " is what is active now.");
  std::vector<RowJob> jobs = JobsOf(changes);
  std::string question = "Apply the patch set " + name + "?\n";
  for (const RowJob& job : jobs) question += "\n" + RowJobText(cat_, job);
  if (!view_.Ask(question, "")) return;
  StartRow(std::move(jobs), "Patch set " + name, false);
}

}  // namespace vantrel
