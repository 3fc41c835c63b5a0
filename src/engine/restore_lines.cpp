#include "engine/restore_lines.h"

namespace vantrel {

void WriteRestoreLines(Job& job, const LedgerEntry& entry, const RestoreLines& lines) {
  for (const LedgerFile& file : entry.files) {
    const RestoreStep step = RestoreFor(job.ledger, entry, file);
    if (step.what == Restore::Nothing) continue;
    if (step.what == Restore::Changed) {
      job.plan.keptAsTheyAre.push_back(file.target);
      continue;
    }
    for (const std::string& line : lines(file, step)) job.scriptFile.WriteLine(line);
    job.restored.push_back({file.target, step});
    if (step.what == Restore::DropKept) job.plan.expected.push_back({step.from, ""});
    job.plan.expected.push_back({file.target, step.after});
  }
  job.plan.removedEntry = entry;
}

}  // namespace vantrel
