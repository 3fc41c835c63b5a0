#include "window/slot_holders.h"

#include "catalogue/list_line.h"
#include "engine/code_fields.h"
#include "rbext/text_utils.h"

namespace vantrel {

namespace {

std::string Joined(const std::vector<std::string>& names, const char* between) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : between) + name;
  return text;
}

}  // namespace

HolderAsides HolderAsidesOf(const std::vector<InstalledPatch>& installed, const std::vector<std::string>& slotLines) {
  HolderAsides asides;
  std::map<std::string, std::vector<std::string>> holders;  // by slot code in lower case
  for (const InstalledPatch& patch : installed) {
    const std::string holder = HolderName(patch);
    if (IsVolumeMarker(patch.marker)) {
      const std::vector<std::string> archives = HeldFiles(patch);
      asides.active[patch.entry] = {"game archives", archives.empty() ? "" : "Holds " + Joined(archives, ", ")};
      continue;
    }
    if (patch.slotName.empty()) continue;
    asides.active[patch.entry] = {patch.slotName, "In slot " + patch.slotCode + " " + patch.slotName};
    holders[LowerName(patch.slotCode)].push_back(holder);
  }
  for (const std::string& line : slotLines) {
    const auto held = holders.find(LowerName(LineCode(line)));
    if (held == holders.end()) continue;
    asides.slots[line] = {Joined(held->second, ", "), "Held by " + Joined(held->second, ", ")};
  }
  return asides;
}

}  // namespace vantrel
