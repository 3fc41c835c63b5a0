#pragma once
// The FM/DM choice of an aircraft install as the ledger keeps it: "off", "on" (changing
// enabled, no variant ticked) or the ticked variants ("S,2,3"), so that the install can be
// made again as it was chosen.
#include <optional>
#include <string>
#include <string_view>

#include "engine/session.h"

namespace vantrel {

// The session's choice, in the ledger's words.
std::string FmdmChoice(const Session& s);

// Sets the session's FM/DM controls to `choice`: "off", "on" or variants parted by commas
// ("S", "2", "3", "s" too). Returns the first word it does not know, leaving the session's
// controls as they were; none once they are set.
std::optional<std::string> ApplyFmdmChoice(Session& s, std::string_view choice);

}  // namespace vantrel
