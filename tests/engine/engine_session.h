#pragma once
// A session for engine tests: the lists filled and selected as a user would leave them,
// and a record of what the shell runner reported.
#include <string>
#include <string_view>
#include <vector>

#include "engine/job_outcome.h"
#include "engine/job_plan.h"
#include "engine/session.h"
#include "quiet_shell.h"

namespace vantrel::testing {

// A program that cannot be started: every shell start then shows up in `messages`,
// naming the program and the parameters it was given.
inline constexpr char kMissingShell[] = "vantrel-missing-shell";

struct EngineSession {
  EngineSession();  // the quiet shell, the slot list filled, nothing selected
  Session s;
  std::vector<std::string> messages;

  void SelectPatch(const std::string& line);   // adds the Available patches line, selects it
  void SelectSlot(std::string_view code);      // selects the Destination slots line of `code`
  void SelectActive(const std::string& entry);  // adds the Active patches line, selects it
};

// Runs a job script with the system's job shell (our batch interpreter on Linux, Windows'
// own cmd there), in the current folder, and waits for it; its exit status.
int RunScript(const std::string& scriptName);
// Runs the job's script and checks its outcome, as the window and the command line do.
JobOutcome RunJob(const JobPlan& plan);

}  // namespace vantrel::testing
