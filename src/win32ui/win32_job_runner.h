#pragma once
// The Win32 window's job runner: the job runs in Windows' own cmd in a console window of
// its own, its process kept. The window's message loop goes on meanwhile; its timer calls
// Poll, which learns the job's end from the process, checks and logs the outcome, tells it
// and runs what waited for the job.
#include <functional>
#include <optional>
#include <string>

#include "platform/running_program.h"
#include "rbext/message_hook.h"
#include "window/idle_requests.h"
#include "window/job_record.h"
#include "window/job_runner.h"

namespace vantrel {

class Win32JobRunner : public JobRunner {
 public:
  struct Hooks {
    MessageHook show;                                 // failures, shown in a box
    std::function<void(const std::string&)> outcome;  // the outcome line under the lists
    std::function<void()> ended;                      // the job has ended: the lists want a refresh
  };

  explicit Win32JobRunner(Hooks hooks);

  bool Busy() const override { return job_.has_value(); }
  // cmd inherits the lock file's handle, and the folder stays locked while it has it open.
  bool HandsOverFolderLock() const override { return true; }
  void Start(const std::string& program, const JobPlan& plan, const std::string& success) override;
  void WhenIdle(std::function<void()> request) override { waiting_.Add(std::move(request)); }
  void ShowOutcome(const std::string& line) override {
    if (hooks_.outcome) hooks_.outcome(line);
  }
  void ShowNotes() override {}  // the job's console is a window of its own
  void GoOnUnattended() override {}  // its user answers its pauses there
  std::optional<std::string> LastFailure() const override { return record_.Failure(); }

  // Looks whether the running job has ended, without waiting; when it has, its outcome is
  // checked, logged and told, "ended" is called and the waiting requests run.
  void Poll();

 private:
  // `notStarted`, when not "", tells why the shell never started (JobRecord::Finish).
  void Finish(bool shellSucceeded, const std::string& notStarted = "");

  Hooks hooks_;
  std::optional<platform::RunningProgram> job_;
  JobRecord record_;
  IdleRequests waiting_{[this] { return Busy(); }};
};

}  // namespace vantrel
