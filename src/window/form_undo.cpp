// The presenter's ways back, "Undo last job" and "Restore the game…": each a row of the
// window's ordinary jobs (engine/undo.h), each started with the folder's lock as the one
// before it ends (JobEnded), so that no job asked for meanwhile comes between them.
#include <memory>
#include <utility>

#include "catalogue/scan.h"
#include "engine/undo.h"
#include "platform/folder_lock.h"
#include "window/form_presenter.h"

namespace vantrel {

namespace {

constexpr const char* kUndoName = "Undo last job";
constexpr const char* kRestoreName = "Restore the game";

}  // namespace

void FormPresenter::undoLastJob() {
  if (PutOffWhileAJobRuns(&FormPresenter::undoLastJob, "Undoing the last job waits for the running job.")) return;
  StartRow(UndoSteps(cat_), kUndoName, false);
}

// The question lists the patches that go; with none active, the check of what is left says
// whether the game is as it was.
void FormPresenter::restoreGame() {
  if (PutOffWhileAJobRuns(&FormPresenter::restoreGame, "Restoring the game waits for the running job.")) return;
  std::vector<RowJob> steps = RestoreSteps(cat_);
  if (steps.empty()) {
    restoring_ = true;
    return EndRow(false);
  }
  std::string question = "Restore the game? These patches will be removed and the game's own files put back:\n";
  for (const RowJob& step : steps) question += "\n" + step.entry;
  if (!view_.Ask(question, "")) return;
  StartRow(std::move(steps), kRestoreName, true);
}

void FormPresenter::StartRow(std::vector<RowJob> steps, const std::string& name, bool restoring) {
  row_.assign(steps.begin(), steps.end());
  rowName_ = name;
  rowLength_ = steps.size();
  restoring_ = restoring;
  NextStep();
}

// "Restore the game: remove 0305_FE2b Fighter (2 of 5)" is the job's outcome line once it
// has done all its work.
void FormPresenter::NextStep() {
  const RowJob step = row_.front();
  row_.pop_front();
  const std::size_t number = rowLength_ - row_.size();
  try {
    std::unique_ptr<platform::FolderLock> folder = HoldFolderForJob();
    const JobPlan plan = WriteStepScript(session_, step);
    StartJob(plan,
             rowName_ + ": " + RowJobText(cat_, step) + " (" + std::to_string(number) + " of " +
                 std::to_string(rowLength_) + ")",
             std::move(folder));
  } catch (...) {
    // Nothing of this job started: the rest of the row is not run either.
    row_.clear();
    rowLength_ = 0;
    restoring_ = false;
    throw;
  }
  ListActivePatches(cat_);
  updedit();  // the combination shows the step's picks
}

void FormPresenter::EndRow(bool failed) {
  const bool restoring = restoring_;
  rowLength_ = 0;
  restoring_ = false;
  if (!restoring) return;
  const std::vector<std::string> left = NotRestored(cat_);
  if (left.empty()) {
    // A failure's box has told what its job left as it was.
    if (!failed) jobs_.ShowOutcome("The game is restored: no patch is active and its own files are back.");
    return;
  }
  std::string text = "The game was not restored:";
  for (const std::string& line : left) text += "\n" + line;
  view_.ShowMessage(text);
}

}  // namespace vantrel
