// The presenter's job handlers: the two big buttons, the questions before an activation,
// the jobs put off while one runs, and what follows a job's end.
#include "catalogue/accessors.h"
#include "catalogue/list_line.h"
#include "catalogue/scan.h"
#include "engine/activation.h"
#include "engine/activation_guards.h"
#include "platform/errors.h"
#include "rbext/run_shell.h"
#include "window/form_presenter.h"
#include "window/working_caption.h"

namespace vantrel {

namespace {
constexpr const char* kPickAPatchFirst = "Pick a patch in Available patches first.";

// "Activating FE2b Fighter waits for the running job."; without a pick, the button's name.
std::string WaitingLine(const std::string& doing, const std::string& picked, const char* button) {
  return (picked.empty() ? std::string(button) : doing + " " + picked) + " waits for the running job.";
}

std::string PickedText(const EntryList& list) { return list.Selected() ? list.SelectedText() : std::string(); }

}  // namespace

// A job asked for while another runs is put off, with the entries picked for it, and the
// outcome line says so: the running job's console alone would not show that another follows.
// Once the window is closing none starts, put off or not: it would keep the window or be cut
// by its end.
bool FormPresenter::PutOffWhileAJobRuns(void (FormPresenter::*handler)(), const std::string& waiting) {
  if (closeWaiting_) return true;
  if (!jobs_.Busy()) return false;
  if (!waiting.empty()) jobs_.ShowOutcome(waiting);
  jobs_.WhenIdle([this, handler, patch = PickedText(cat_.ListBox1), slot = PickedText(cat_.ListBox2),
                  active = PickedText(cat_.ListBox3)] {
    for (auto [list, text] : {std::pair{&cat_.ListBox1, patch}, {&cat_.ListBox2, slot}, {&cat_.ListBox3, active}}) {
      if (auto found = list->FindIgnoringCase(text); found && !text.empty()) list->Select(*found);
    }
    Handle(handler);
  });
  return true;
}

void FormPresenter::StartJob(const JobPlan& plan, const std::string& success) {
  runningScript_ = plan.script;
  jobs_.ShowNotes();
  jobs_.Start(ShellExecutableFor(session_.shellProgram), plan, success);
}

// Once a job has ended its markers are on disk: both patch lists show what it did.
void FormPresenter::AfterJob() { refreshpatches(); }

void FormPresenter::turnPatchOn() {
  const std::string patch(LineName(PickedText(cat_.ListBox1)));
  if (PutOffWhileAJobRuns(&FormPresenter::turnPatchOn, WaitingLine("Activating", patch, "Activate this choice"))) {
    return;
  }
  // A "no" leaves everything as it was.
  if (!ActivationAllowed(cat_, [this](const std::string& question) { return view_.Ask(question); })) return;
  WorkingCaption caption(view_, Control::v, "Working......");
  const JobPlan plan = [&] {
    try {
      return WriteActivationScript(session_);
    } catch (const ListIndexError& error) {
      // The system's text alone leaves a new user guessing what to do.
      throw Error(std::string(error.what()) + "\n" + kPickAPatchFirst);
    }
  }();
  // "FE2b Fighter is active in 0305  Halberstadt D.2"; a volume patch takes no slot, and a
  // patch of a class without files to install leaves no marker.
  std::string success = plan.script + " has run; it installs nothing for " + PatchFolder(cat_) + ".";
  if (!plan.marker.empty()) {
    success =
        PatchFolder(cat_) + " is active" + (plan.script == "0099.bat" ? "" : " in " + cat_.ListBox2.SelectedText());
  }
  StartJob(plan, success);
  ListActivePatches(cat_);
  caption.Finish(kActivateCaption);
  updedit();
  getactivepatch();
}

void FormPresenter::turnPatchOff() {
  if (PutOffWhileAJobRuns(&FormPresenter::turnPatchOff,
                          WaitingLine("Removing", PickedText(cat_.ListBox3), "Deactivate Selected"))) {
    return;
  }
  WorkingCaption caption(view_, Control::Button4, "Deactivating..");
  if (const std::optional<JobPlan> plan = WriteDeactivationScript(session_)) {
    StartJob(*plan, cat_.ListBox3.SelectedText() + " is removed");
  }
  ListActivePatches(cat_);
  refreshpatches();
  caption.Finish(kDeactivateCaption);
  updedit();
}

}  // namespace vantrel
