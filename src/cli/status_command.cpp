#include "cli/status_command.h"

#include <ostream>

#include "engine/patch_status.h"

namespace vantrel::cli {

void Status(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  if (!args.empty()) throw UsageError("unexpected argument '" + args.front() + "'");
  const GameStatus status = CheckGameStatus(s.cat);
  // "0305_FE2b Fighter (Halberstadt D.2): in place"
  for (const PatchStatus& patch : status.patches) {
    const std::string& slotName = patch.patch.slotName;
    out << patch.patch.entry << (slotName.empty() ? "" : " (" + slotName + ")") << ": "
        << (patch.InPlace() ? "in place" : "not in place") << '\n';
    for (const std::string& problem : patch.Problems()) out << "  " << problem << '\n';
  }
  if (!status.AllInPlace()) throw Error("the files of some active patches are not in place (repair ENTRY puts them back)");
}

}  // namespace vantrel::cli
