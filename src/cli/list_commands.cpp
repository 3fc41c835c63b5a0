#include "cli/list_commands.h"

#include <ostream>

#include "catalogue/scan.h"

namespace vantrel::cli {

void NoArguments(const std::vector<std::string>& args) {
  if (!args.empty()) throw UsageError("unexpected argument '" + args.front() + "'");
}

void PrintEntries(const std::vector<std::string>& entries, std::ostream& out) {
  for (const auto& entry : entries) out << entry << '\n';
}

void Patches(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  NoArguments(args);
  RefreshPatchList(s.cat);
  PrintEntries(s.cat.ListBox1.Items(), out);
}

void Slots(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  NoArguments(args);
  s.cat.ListBox2.SetSorted(true);
  FillDestinationSlots(s.cat);
  PrintEntries(s.cat.ListBox2.Items(), out);
}

void Active(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  NoArguments(args);
  s.cat.ListBox3.SetSorted(true);
  ListActivePatches(s.cat);
  PrintEntries(s.cat.ListBox3.Items(), out);
}

}  // namespace vantrel::cli
