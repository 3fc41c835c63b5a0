#pragma once
// Who holds what, as the lists show it beside their entries: beside each Active patches
// entry the name of its slot, and in its tooltip the slot or the game archives it holds;
// beside each Destination slots line that holds a patch, the patch's name.
#include <map>
#include <string>
#include <vector>

#include "catalogue/entry_list.h"
#include "engine/installed.h"

namespace vantrel {

struct HolderAsides {
  std::map<std::string, EntryList::Aside> active;  // by Active patches entry
  std::map<std::string, EntryList::Aside> slots;   // by Destination slots line
};

// `slotLines` are the Destination slots lines ("0305  Halberstadt D.2").
HolderAsides HolderAsidesOf(const std::vector<InstalledPatch>& installed, const std::vector<std::string>& slotLines);

}  // namespace vantrel
