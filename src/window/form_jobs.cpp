// The presenter's job handlers: the two big buttons, the questions before an activation,
// the jobs put off while one runs, what follows a job's end, and the job log.
#include <chrono>
#include <memory>
#include <optional>
#include <utility>

#include "catalogue/accessors.h"
#include "catalogue/list_line.h"
#include "catalogue/scan.h"
#include "engine/activation.h"
#include "engine/activation_guards.h"
#include "engine/code_fields.h"
#include "engine/file_errors.h"
#include "engine/job_log.h"
#include "engine/job_outcome.h"
#include "engine/job_steps.h"
#include "engine/repair.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/names.h"
#include "platform/text_file.h"
#include "rbext/run_shell.h"
#include "window/form_presenter.h"
#include "window/list_filter.h"
#include "window/working_caption.h"

namespace vantrel {

namespace {

constexpr const char* kPickAPatchFirst = "Pick a patch in Available patches first.";
constexpr const char* kPickASlotFirst = "Pick a destination slot first.";
constexpr const char* kPickAnActivePatchFirst = "Pick a patch in Active patches first.";

// The window's thread waits for the folder: a job of another program that keeps it longer
// refuses this one (kFolderBusyText) rather than stop the window for the minute a command
// line waits.
constexpr std::chrono::milliseconds kJobFolderWait = std::chrono::seconds(2);

// A job goes only where the user has picked: the list's own error, and what to pick, since
// the system's text alone leaves a new user guessing. A pick that the list's filter hides is
// none the user can see.
void RequirePick(const EntryList& list, const char* whatToPick, std::string_view filter = {}) {
  if (!list.Selected() || !MatchesFilter(list.SelectedText(), filter)) {
    throw Error(std::string(ListIndexError(-1).what()) + "\n" + whatToPick);
  }
}

// "Activating FE2b Fighter waits for the running job."
std::string WaitingLine(std::string_view doing, std::string_view picked) {
  return std::string(doing) + " " + std::string(picked) + " waits for the running job.";
}

}  // namespace

// The folder's lock, taken before a job writes anything of its own; a handler that raises
// after this lets go of it on its way out.
std::unique_ptr<platform::FolderLock> FormPresenter::HoldFolderForJob() {
  return std::make_unique<platform::FolderLock>(kJobFolderWait);
}

// A job asked for while another runs is put off, with the entries picked for it; what the
// window shows follows them back, and the outcome line says that it waits: the running job's
// console alone would not show that another follows. Once the window is closing none starts,
// put off or not: it would keep the window or be cut by its end.
bool FormPresenter::PutOffWhileAJobRuns(void (FormPresenter::*handler)(), const std::string& waiting) {
  if (closeWaiting_) return true;
  if (!jobs_.Busy()) return false;
  if (!waiting.empty()) jobs_.ShowOutcome(waiting);
  const auto picked = [](const EntryList& list) { return list.Selected() ? list.SelectedText() : std::string(); };
  jobs_.WhenIdle([this, handler, picked, patch = picked(cat_.ListBox1), slot = picked(cat_.ListBox2),
                  active = picked(cat_.ListBox3)] {
    bool repicked = false;
    for (auto [list, text] : {std::pair{&cat_.ListBox1, patch}, {&cat_.ListBox2, slot}, {&cat_.ListBox3, active}}) {
      if (text.empty() || picked(*list) == text) continue;
      list->Reselect(text);  // gone meanwhile: picked no more
      repicked = true;
    }
    Handle(handler);
    if (repicked) Handle(&FormPresenter::updedit);
  });
  return true;
}

void FormPresenter::StartJob(const JobPlan& plan, const std::string& success,
                             std::unique_ptr<platform::FolderLock> folder) {
  runningScript_ = plan.script;
  jobs_.ShowNotes();
  // Held on, the lock would keep a shell that takes it itself waiting for this window.
  if (!jobs_.HandsOverFolderLock()) folder.reset();
  jobs_.Start(ShellExecutableFor(session_.shellProgram), plan, success);
  // Kept until JobEnded. A job that did not start has been told already (JobEnded among it),
  // and the folder goes free as this returns.
  if (jobs_.Busy()) jobFolder_ = std::move(folder);
}

// Once a job has ended its markers are on disk: both patch lists show what it did, and who
// holds what is shown again once read again, not as it was.
void FormPresenter::AfterJob() {
  installed_.reset();
  holdersOf_.reset();
  refreshpatches();
}

// A failure is told in a box as well, after the lists show what the job left: the outcome
// line alone is easily missed.
// The runner calls this once the job's outcome has been checked and logged; the lists are
// read again under the job's lock, and only then may another job have the folder, before a
// failure's box waits for its answer.
// The next job of an undo or a restore starts here, before the requests that wait for the
// running job: they come after the whole row. A failure ends the row.
void FormPresenter::JobEnded() {
  Handle(&FormPresenter::AfterJob);
  jobFolder_.reset();
  const std::optional<std::string> failure = jobs_.LastFailure();
  if (failure) view_.ShowMessage(*failure);
  if (failure || closeWaiting_) row_.clear();
  if (!row_.empty()) return Handle(&FormPresenter::NextStep);
  if (rowLength_ != 0) Handle([this, failed = failure.has_value()] { EndRow(failed); });
}

void FormPresenter::turnPatchOn() {
  RequirePick(cat_.ListBox1, kPickAPatchFirst, view_.Text(Control::PatchFilter));
  if (TakesASlot(LineCode(cat_.ListBox1.SelectedText()))) {
    RequirePick(cat_.ListBox2, kPickASlotFirst, view_.Text(Control::SlotFilter));
  }
  if (PutOffWhileAJobRuns(&FormPresenter::turnPatchOn,
                          WaitingLine("Activating", LineName(cat_.ListBox1.SelectedText())))) {
    return;
  }
  // A "no" leaves everything as it was. Under each question the job's steps, planned once
  // and only when there is a question: the plan reads what the job will copy.
  std::optional<std::string> steps;
  const auto ask = [this, &steps](const std::string& question) {
    if (!steps) steps = StepsText(PlanActivation(session_).steps);
    return view_.Ask(question, *steps);
  };
  if (!ActivationAllowed(cat_, ask)) return;
  WorkingCaption caption(view_, Control::v, "Working......");
  std::unique_ptr<platform::FolderLock> folder = HoldFolderForJob();
  const JobPlan plan = WriteActivationScript(session_);
  // A volume patch takes no slot: none is picked.
  const std::string slotLine = plan.takesASlot ? cat_.ListBox2.SelectedText() : "";
  StartJob(plan, InstalledText(plan, PatchFolder(cat_), slotLine), std::move(folder));
  ListActivePatches(cat_);
  ActiveListed();
  caption.Finish(kActivateCaption);
  updedit();
  getactivepatch();
}

void FormPresenter::turnPatchOff() {
  RequirePick(cat_.ListBox3, kPickAnActivePatchFirst);
  if (PutOffWhileAJobRuns(&FormPresenter::turnPatchOff, WaitingLine("Removing", cat_.ListBox3.SelectedText()))) {
    return;
  }
  WorkingCaption caption(view_, Control::Button4, "Deactivating..");
  std::unique_ptr<platform::FolderLock> folder = HoldFolderForJob();
  if (const std::optional<JobPlan> plan = WriteDeactivationScript(session_)) {
    StartJob(*plan, RemovedText(cat_.ListBox3.SelectedText()), std::move(folder));
  }
  ListActivePatches(cat_);
  ActiveListed();
  refreshpatches();
  caption.Finish(kDeactivateCaption);
  updedit();
}

// Only what the check marked is offered; what it found is looked at again as the job is
// written, and a patch found whole after all is told so.
void FormPresenter::repairPatch() {
  RequirePick(cat_.ListBox3, kPickAnActivePatchFirst);
  const std::string entry = cat_.ListBox3.SelectedText();
  if (PutOffWhileAJobRuns(&FormPresenter::repairPatch, WaitingLine("Repairing", entry))) return;
  std::unique_ptr<platform::FolderLock> folder = HoldFolderForJob();
  const std::optional<RepairJob> repair = WriteRepairScript(session_, entry);
  if (!repair) {
    jobs_.ShowOutcome(entry + ": its files are in place; nothing to repair.");
    ActiveListed();
    return;
  }
  std::string success = entry + " is repaired";
  for (const std::string& kept : repair->kept) success += "; kept as it was: " + kept;
  StartJob(repair->plan, success, std::move(folder));
  ListActivePatches(cat_);
  ActiveListed();
}

// A working folder without a support folder keeps no log, nor is there one before the first
// job. Where the system has no program for it, the window shows the log itself.
void FormPresenter::openJobLog() {
  const std::string log = JobLogFile();
  if (!platform::FileExists(log)) return view_.ShowLog("No job has been logged in this working folder yet.");
  if (view_.OpenInSystemProgram(platform::ResolvePath(log))) return;
  std::string text;
  for (const std::string& line : NamingFile(log, [&] { return platform::ReadTextLines(log); })) text += line + '\n';
  view_.ShowLog(text);
}

}  // namespace vantrel
