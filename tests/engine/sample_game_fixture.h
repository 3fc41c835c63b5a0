#pragma once
// The sample game laid out in a temporary folder, its working folder Simpatch made the
// current folder, and jobs run on it as the window runs them.
#include <map>
#include <string>
#include <string_view>

#include "engine/job_outcome.h"
#include "engine_session.h"
#include "temp_dir.h"

namespace vantrel::testing {

using Files = std::map<std::string, std::string>;

struct SampleGame {
  SampleGame();
  // Every file below game/ with its bytes, by its path from there ("Simpatch/0305.bat"), but
  // for the lock file our job shell leaves between jobs and the job history's records, which
  // every job adds to.
  Files Snapshot() const;
  TempDir dir;
};

// The paths whose bytes differ between two snapshots, each with the start of both contents:
// a failure then names the files instead of printing the whole game.
std::string Difference(const Files& before, const Files& after);

// The snapshot without the ledger's entries: a patch installed again has the same files and
// records, and an entry of a later order.
Files WithoutLedger(Files files);

// Selects the patch line and the slot, writes the job, runs it and checks its outcome.
JobOutcome Activate(EngineSession& e, const std::string& patchLine, std::string_view slot);
// The same for the removal of an Active patches entry.
JobOutcome Deactivate(EngineSession& e, const std::string& entry);

}  // namespace vantrel::testing
