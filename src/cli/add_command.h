#pragma once
// add: patches unpacked from a downloaded archive into the working folder.
#include "cli/cli.h"

namespace vantrel::cli {

void Add(Session& s, const std::vector<std::string>& args, std::ostream& out);

}  // namespace vantrel::cli
