#pragma once
// What every view keeps of the job it runs, whatever shows its console: the script's text,
// read before the job starts (the job deletes its script), the console as it came, and once
// the job has ended its outcome checked, put in one line and logged.
#include <optional>
#include <string>
#include <string_view>

#include "engine/job_plan.h"

namespace vantrel {

class JobRecord {
 public:
  // A new job: `success` is its outcome line when it does all its work. Raises InOutError
  // when the script cannot be read.
  void Begin(const JobPlan& plan, std::string success);
  void AddConsole(std::string_view text) { console_ += text; }

  const JobPlan& Plan() const { return plan_; }
  const std::string& Console() const { return console_; }
  // "Running NAME ...": what the outcome line says while the job runs.
  std::string RunningLine() const;
  // The job's steps, a line each, as its plan told them before it was written: shown where
  // its console comes, and logged. "" for a job that told none.
  std::string StepsLines() const;

  // The job has ended; `shellSucceeded`: its shell's exit code was 0. Checks every copy and
  // marker (CheckJobOutcome), appends the job to the job log and returns the outcome line.
  // `notStarted`, when not "", tells why the shell never started (ShellFailureText): it goes
  // into the log and heads the failure's message, so that the user reads both in one box.
  // Raises InOutError naming a marker or the log it could not change.
  std::string Finish(bool shellSucceeded, const std::string& notStarted = "");
  // Once a job has ended without doing all its work: the message for the user's box
  // (JobFailureMessage). None for a complete job, and from Begin on.
  const std::optional<std::string>& Failure() const { return failure_; }

 private:
  JobPlan plan_;
  std::string success_;
  std::string scriptText_;
  std::string console_;
  std::optional<std::string> failure_;
};

}  // namespace vantrel
