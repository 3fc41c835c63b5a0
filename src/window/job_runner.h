#pragma once
// How a view runs a job script: in the Qt view the job panel (its console in the window), in
// the Win32 view Windows' own cmd in a console window of its own. Either way one job at a
// time, its outcome checked and told when it ends, after which the view calls the presenter's
// JobEnded.
#include <functional>
#include <optional>
#include <string>

#include "engine/job_plan.h"

namespace vantrel {

class JobRunner {
 public:
  virtual ~JobRunner() = default;
  virtual bool Busy() const = 0;
  // Whether the shell that Start would start now is handed the folder lock this process holds,
  // so that it keeps the folder should the window go while it runs. Where it is not, the
  // presenter lets go of the lock just before the start and the shell takes it itself.
  virtual bool HandsOverFolderLock() const = 0;
  // Runs `program` /C on the plan's script in the current folder. `success` is the outcome
  // line when the job does all its work.
  virtual void Start(const std::string& program, const JobPlan& plan, const std::string& success) = 0;
  // Runs `request` now when no job runs, else once the running job (and those asked for
  // before) have ended.
  virtual void WhenIdle(std::function<void()> request) = 0;
  // Puts `line` where the job's outcome is told, until the next job's: what waits for the
  // running job, what the user's last action came to.
  virtual void ShowOutcome(const std::string& line) = 0;
  // Brings the job's notes to the front (the Qt view's console tab); nothing where the job
  // has a window of its own.
  virtual void ShowNotes() = 0;
  // Once a job has ended: what the user is to read of its failure (JobRecord::Failure),
  // none when it did all its work.
  virtual std::optional<std::string> LastFailure() const = 0;
  // Nobody is at the window any more: where the window answered the job's pauses, the job
  // now goes on through them by itself; a console of its own keeps asking its user.
  virtual void GoOnUnattended() = 0;
};

}  // namespace vantrel
