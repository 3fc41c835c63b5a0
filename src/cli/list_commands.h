#pragma once
// patches, slots, active: the three lists as the window shows them.
#include "cli/cli.h"

namespace vantrel::cli {

void Patches(Session& s, const std::vector<std::string>& args, std::ostream& out);
void Slots(Session& s, const std::vector<std::string>& args, std::ostream& out);
void Active(Session& s, const std::vector<std::string>& args, std::ostream& out);

// Raises UsageError for a command that takes no arguments and got some.
void NoArguments(const std::vector<std::string>& args);

// Prints the entries of a list, one a line.
void PrintEntries(const std::vector<std::string>& entries, std::ostream& out);

}  // namespace vantrel::cli
