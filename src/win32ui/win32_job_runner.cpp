#include "win32ui/win32_job_runner.h"

#include <utility>

#include "platform/errors.h"
#include "rbext/run_shell.h"

namespace vantrel {
namespace {

// What the log keeps of a console it never saw.
constexpr const char* kOwnConsole = "(the job's console was a window of its own)\n";

// A failure goes to the user's box; the window goes on.
template <typename Action>
void Showing(const MessageHook& show, Action action) {
  try {
    action();
  } catch (const Error& error) {
    if (show) show(error.what());
  }
}

}  // namespace

Win32JobRunner::Win32JobRunner(Hooks hooks) : hooks_(std::move(hooks)) {}

void Win32JobRunner::Start(const std::string& program, const JobPlan& plan, const std::string& success) {
  bool begun = false;
  Showing(hooks_.show, [&] {
    record_.Begin(plan, success);  // the script is read now: the job deletes it
    begun = true;
  });
  if (!begun) return;
  record_.AddConsole(kOwnConsole);
  if (hooks_.outcome) hooks_.outcome(record_.RunningLine());
  platform::RunningProgram job = StartShellJob(hooks_.show, program, "/C " + plan.script);
  if (!job.Started()) {
    // The failure has been shown; the outcome still tells what is not in place.
    Finish(false);
    return;
  }
  job_.emplace(std::move(job));
}

void Win32JobRunner::Poll() {
  if (!job_) return;
  std::optional<int> code;
  try {
    code = job_->ExitCode();
  } catch (const Error& error) {
    // The process can no longer be asked: the job counts as failed, its files are checked.
    if (hooks_.show) hooks_.show(error.what());
    code = -1;
  }
  if (code) Finish(*code == 0);
}

void Win32JobRunner::Finish(bool shellSucceeded) {
  job_.reset();
  Showing(hooks_.show, [&] {
    const std::string line = record_.Finish(shellSucceeded);
    if (hooks_.outcome) hooks_.outcome(line);
  });
  if (hooks_.ended) hooks_.ended();
  waiting_.RunWaiting();
}

}  // namespace vantrel
