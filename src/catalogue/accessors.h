#pragma once
// The selection, read out of the selected entries of the three lists.
#include <string>

#include "catalogue/catalogue.h"

namespace vantrel {

std::string PatchIndexHex(Catalogue& cat);  // characters 3-4; no first-entry default
std::string PatchCode(Catalogue& cat);      // characters 1-4
std::string PatchFolder(Catalogue& cat);    // characters 6 to the end
std::string SlotIndexHex(Catalogue& cat);   // characters 3-4
std::string SlotCode(Catalogue& cat);       // characters 1-4
std::string ActiveCode(Catalogue& cat);     // characters 1-4; "" for an empty list

}  // namespace vantrel
