#pragma once
// activate, deactivate, repair, recover: the engine run from the command line on the lists' entries.
#include "cli/cli.h"

namespace vantrel::cli {

// activate FOLDER SLOT [--fm S,2,3] [--no-run] [--no-pause] [--strict] [--plan]
void Activate(Session& s, const std::vector<std::string>& args, std::ostream& out);
// deactivate ENTRY [--no-run] [--no-pause] [--plan]
// --plan prints what the job would do, one step a file, and writes nothing.
void Deactivate(Session& s, const std::vector<std::string>& args, std::ostream& out);
// repair ENTRY [--no-run]: the entry's patch installed again over its changed or missing files.
void Repair(Session& s, const std::vector<std::string>& args, std::ostream& out);
// recover: the jobs cut short are finished or undone, each told; then the active list.
void Recover(Session& s, const std::vector<std::string>& args, std::ostream& out);

}  // namespace vantrel::cli
