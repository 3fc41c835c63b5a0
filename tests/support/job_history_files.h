#pragma once
// The job history's records, which every job adds to the ledger's folder: a test that
// compares the game before and after jobs leaves them out, as it leaves out the lock file.
#include <filesystem>

namespace vantrel::testing {

inline bool IsJobHistoryRecord(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  return folder.filename() == "history" && folder.parent_path().filename() == "ledger";
}

}  // namespace vantrel::testing
