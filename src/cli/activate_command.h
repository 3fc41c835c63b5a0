#pragma once
// activate, deactivate, recover: the engine run from the command line on the lists' entries.
#include "cli/cli.h"
#include "engine/job_plan.h"

namespace vantrel::cli {

// activate FOLDER SLOT [--fm S,2,3] [--no-run] [--strict]
void Activate(Session& s, const std::vector<std::string>& args, std::ostream& out);
// deactivate ENTRY [--no-run]
void Deactivate(Session& s, const std::vector<std::string>& args, std::ostream& out);
// Runs the job's script in this terminal and checks its outcome: "" when it did all its work,
// else what failed, or why the shell did not start. `out` is flushed first.
std::string RunJobHere(Session& s, const JobPlan& plan, std::ostream& out);
// Jobs cut short before this one are finished or undone first, each told by its slot.
void TellRecovered(Session& s);

// recover: the jobs cut short are finished or undone, each told; then the active list.
void Recover(Session& s, const std::vector<std::string>& args, std::ostream& out);

}  // namespace vantrel::cli
