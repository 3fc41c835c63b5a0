#pragma once
// games: the game installs found on this machine, each with its working folders.
#include "cli/cli.h"

namespace vantrel::cli {

void Games(Session& s, const std::vector<std::string>& args, std::ostream& out);

}  // namespace vantrel::cli
