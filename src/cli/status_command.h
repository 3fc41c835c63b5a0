#pragma once
// status: whether each active patch's files are in place, from the ledger.
#include "cli/cli.h"

namespace vantrel::cli {

// status: each active patch with its slot's name and whether its files are in place, what is
// not under it; ends in an error (exit status 1) when any is not.
void Status(Session& s, const std::vector<std::string>& args, std::ostream& out);

}  // namespace vantrel::cli
