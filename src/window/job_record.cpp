#include "window/job_record.h"

#include <utility>

#include "engine/job_log.h"
#include "engine/job_outcome.h"
#include "engine/job_steps.h"
#include "platform/text_file.h"
#include "window/job_failure.h"

namespace vantrel {

void JobRecord::Begin(const JobPlan& plan, std::string success) {
  failure_.reset();
  std::string text;
  for (const std::string& line : platform::ReadTextLines(plan.script)) text += line + "\r\n";
  plan_ = plan;
  success_ = std::move(success);
  scriptText_ = std::move(text);
  console_.clear();
}

std::string JobRecord::RunningLine() const { return "Running " + plan_.script + " ..."; }

std::string JobRecord::StepsLines() const { return plan_.steps.empty() ? "" : StepsText(plan_.steps) + "\n"; }

std::string JobRecord::Finish(bool shellSucceeded, const std::string& notStarted) {
  if (!notStarted.empty()) console_ += notStarted + "\n";
  const JobOutcome outcome = CheckJobOutcome(plan_, shellSucceeded);
  std::string line = outcome.Complete() ? success_ : OutcomeText(plan_, outcome);
  if (!outcome.Complete()) failure_ = (notStarted.empty() ? "" : notStarted + "\n\n") + JobFailureMessage(plan_, outcome);
  AppendToJobLog(plan_.script, scriptText_, StepsLines(), console_, line);
  return line;
}

}  // namespace vantrel
