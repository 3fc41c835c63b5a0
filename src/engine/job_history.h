#pragma once
// The job history: one record for each job the ledger took part in, kept in the ledger's
// folder, for the user to read and for undo to go back by. Each record is a small text file
// of its own, written whole or not at all: a record holds whole ledger entries, which an
// append cut short by a kill could leave in part.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/job_outcome.h"
#include "engine/job_plan.h"
#include "engine/ledger.h"

namespace vantrel {

struct HistoryRecord {
  std::uint64_t number = 0;  // 1 for the working folder's first job; later jobs higher
  std::string time;          // JobTime()
  bool activation = true;    // an install; else a removal
  std::string folder;        // the patch folder
  std::string marker;        // the patch's activation marker
  std::string slot;          // the slot's code ("0305"); "" for a job that takes no slot
  bool done = false;         // the ledger took the job: installed, or its entry gone
  std::string outcome;       // what failed (OutcomeText); "" for a complete job
  std::uint64_t undoes = 0;  // the number of the job this one undoes; 0 for none
  std::optional<LedgerEntry> installed;  // an install's entry
  std::vector<LedgerEntry> replaced;     // the entries an install took out of the slot, as they were
  std::optional<LedgerEntry> removed;    // a removal's entry, as it was
};

// "vantrel-files\ledger\history", relative to the working folder.
std::string HistoryFolder();

// Adds the record of a job whose outcome is known; `done` as FinishLedger answered. A job
// without a ledger part (one that installs nothing, the removal of a patch the ledger does
// not know) is not recorded. Raises InOutError naming the record's file.
void RecordJob(const JobPlan& plan, const JobOutcome& outcome, bool done);

// Every record, oldest first; none before the first job. A record that cannot be read raises
// Error naming it.
std::vector<HistoryRecord> ReadHistory();

// The record as its file holds it, and back; ParseHistoryRecord raises Error naming `name`.
std::string HistoryText(const HistoryRecord& record);
HistoryRecord ParseHistoryRecord(std::string_view text, std::string_view name);

}  // namespace vantrel
