#include "win32ui/win32_job_runner.h"

#include <utility>

#include "rbext/run_shell.h"
#include "window/run_handler.h"

namespace vantrel {
namespace {

// What the log keeps of a console it never saw.
constexpr const char* kOwnConsole = "(the job's console was a window of its own)\n";

}  // namespace

Win32JobRunner::Win32JobRunner(Hooks hooks) : hooks_(std::move(hooks)) {}

// A shell that cannot start is told once, in the box of the job's failure: why it did not
// start, then what the job left undone.
void Win32JobRunner::Start(const std::string& program, const JobPlan& plan, const std::string& success) {
  bool begun = false;
  RunHandler(hooks_.show, [&] {
    record_.Begin(plan, success);  // the script is read now: the job deletes it
    begun = true;
  });
  if (!begun) return;
  record_.AddConsole(kOwnConsole);
  if (hooks_.outcome) hooks_.outcome(record_.RunningLine());
  std::string notStarted;
  platform::RunningProgram job =
      StartShellJob([&notStarted](const std::string& text) { notStarted = text; }, program, "/C " + plan.script);
  if (!job.Started()) return Finish(false, notStarted);
  job_.emplace(std::move(job));
}

void Win32JobRunner::Poll() {
  if (!job_) return;
  std::optional<int> code;
  bool asked = false;
  RunHandler(hooks_.show, [&] {
    code = job_->ExitCode();
    asked = true;
  });
  // A process that can no longer be asked counts as failed; its files are checked.
  if (!asked) code = -1;
  if (code) Finish(*code == 0);
}

// Whatever the outcome's check raises, the job has ended and what waits for it runs.
void Win32JobRunner::Finish(bool shellSucceeded, const std::string& notStarted) {
  job_.reset();
  RunHandler(hooks_.show, [&] {
    const std::string line = record_.Finish(shellSucceeded, notStarted);
    if (hooks_.outcome) hooks_.outcome(line);
  });
  if (hooks_.ended) hooks_.ended();
  waiting_.RunWaiting();
}

}  // namespace vantrel
