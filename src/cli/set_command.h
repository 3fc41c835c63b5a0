#pragma once
// set save|list|show|apply|delete|export|import: named sets of active patches.
#include "cli/cli.h"

namespace vantrel::cli {

void Set(Session& s, const std::vector<std::string>& args, std::ostream& out);

}  // namespace vantrel::cli
