#pragma once
// activate, deactivate, repair, recover: the engine run from the command line on the lists' entries.
#include "cli/cli.h"
#include "engine/job_plan.h"

namespace vantrel::cli {

// activate FOLDER SLOT [--fm S,2,3] [--no-run] [--no-pause] [--strict] [--plan]
void Activate(Session& s, const std::vector<std::string>& args, std::ostream& out);
// deactivate ENTRY [--no-run] [--no-pause] [--plan]
// --plan prints what the job would do, one step a file, and writes nothing.
void Deactivate(Session& s, const std::vector<std::string>& args, std::ostream& out);
// repair ENTRY [--no-run]: the entry's patch installed again over its changed or missing files.
void Repair(Session& s, const std::vector<std::string>& args, std::ostream& out);
// Runs the job's script in this terminal and checks its outcome: "" when it did all its work,
// else what failed, or why the shell did not start. `out` is flushed first. Without `pause`
// the job's input is the null device, so that its pauses go on at once: for jobs in a row.
std::string RunJobHere(Session& s, const JobPlan& plan, std::ostream& out, bool pause);
// Jobs cut short before this one are finished or undone first, each told by its slot. A
// plan leaves them as they are: it writes nothing, and its first step says so.
void TellRecovered(Session& s);

// recover: the jobs cut short are finished or undone, each told; then the active list.
void Recover(Session& s, const std::vector<std::string>& args, std::ostream& out);

}  // namespace vantrel::cli
