#pragma once
// Repair: an installed patch's files put back as its install left them, after a hand edit, a
// deletion or a game update. It is the same patch installed again into the same slot with its
// FM/DM choice, through the activation's script and outcome check; its layer keeps the game's
// original it kept before, and bytes no patch put there are kept whole beside their file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/job_plan.h"
#include "engine/session.h"

namespace vantrel {

struct RepairJob {
  JobPlan plan;                   // for the caller to run and check as an activation's
  std::vector<std::string> kept;  // where each changed file was kept ("..\rb.vol.changed")
};

// Writes the repair of the Active patches entry `entry` (the marker's name without ".aop"), the
// lists of `s` left as they are. None when its files are all in place. Raises Error, having
// changed nothing, for an entry that is not active, that the ledger does not know, whose
// patch folder is gone, one of whose files a later patch holds or cannot be looked at, or
// where a changed file's keeping name is taken.
std::optional<RepairJob> WriteRepairScript(Session& s, std::string_view entry);

}  // namespace vantrel
