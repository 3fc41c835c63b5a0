#include "engine/job_outcome.h"

#include "engine/file_errors.h"
#include "engine/file_layers.h"
#include "engine/job_history.h"
#include "engine/ledger_steps.h"
#include "platform/file_length.h"
#include "platform/files.h"
#include "platform/record_file.h"
#include "platform/search.h"

namespace vantrel {

namespace {

// The bytes themselves: an archive and its patch are often of one size, and a game file
// left as it was must not pass for the patch's copy.
bool InPlace(const JobPlan& plan, const PlannedCopy& copy) {
  // The ledger holds the hash of the patch's bytes already: one read of the target then. A
  // target that cannot be read is not in place, as for the comparison.
  if (plan.entry) {
    const LedgerFile* file = plan.entry->FileFor(copy.LedgerName());
    if (file && !file->put.empty()) {
      try {
        return CurrentHash(copy.target) == file->put;
      } catch (const InOutError&) {
        return false;
      }
    }
  }
  return platform::SameContent(copy.source, copy.target);
}

// The marker's echo ends its one line last, so a full disk or a kill while Windows' cmd
// writes it leaves it empty or without its line end. Markers are listed by name alone: such
// a marker would list a patch as active that was never installed.
bool CutShort(const std::string& marker) {
  const std::uint64_t length = platform::FileLength(marker);
  if (length < 2) return true;
  char end[2];
  platform::RecordFile file(marker, platform::RecordFile::Mode::ReadOnly);
  file.ReadAt(length - 2, end, sizeof end);
  file.Close();
  return end[0] != '\r' || end[1] != '\n';
}

// Asked once a target is found not in place, before an undoing puts the game's own file back:
// the file that stands in the way in the system's words, the patch's own file first.
std::string WhyNotInPlace(const PlannedCopy& copy) {
  for (const std::string& file : {copy.source, copy.target}) {
    try {
      NamingFile(file, [&] {
        const platform::EntryState state = platform::StateOf(file);
        if (state.directory) throw InOutError(5);  // a folder where the file belongs
        if (!state.exists) throw InOutError(2);
        platform::RecordFile(file, platform::RecordFile::Mode::ReadOnly).Close();
      });
    } catch (const InOutError& error) {
      return error.what();
    }
  }
  return copy.target + " holds other bytes than " + copy.source;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

}  // namespace

JobOutcome CheckJobOutcome(const JobPlan& plan, bool shellSucceeded) {
  JobOutcome outcome;
  outcome.shellSucceeded = shellSucceeded;
  if (!plan.marker.empty()) {
    for (const PlannedCopy& copy : plan.copies) {
      if (InPlace(plan, copy)) continue;
      outcome.notInPlace.push_back(copy.target);
      outcome.whyNotInPlace.push_back(WhyNotInPlace(copy));
    }
    const bool markerThere = platform::FileExists(plan.marker);
    outcome.markerCut = !shellSucceeded && markerThere && NamingFile(plan.marker, [&] { return CutShort(plan.marker); });
    if ((!outcome.notInPlace.empty() || outcome.markerCut) && markerThere) {
      NamingFile(plan.marker, [&] { platform::DeleteFileAt(plan.marker); });
    }
  } else if (!plan.removedMarkers.empty()) {
    outcome.markerLeft = !platform::FindEntries(plan.removedMarkers, platform::Admit::Files).empty();
  }
  const bool done = FinishLedger(plan, outcome);
  RecordJob(plan, outcome, done);
  return outcome;
}

std::string InstalledText(const JobPlan& plan, const std::string& patchFolder, const std::string& slotLine) {
  if (plan.marker.empty()) return plan.script + " has run; it installs nothing for " + patchFolder + ".";
  return patchFolder + " is active" + (plan.takesASlot ? " in " + slotLine : "");
}

std::string RemovedText(const std::string& entry) { return entry + " is removed"; }

std::string FailureText(const JobPlan& plan, const JobOutcome& outcome) {
  if (outcome.Complete()) return "";
  if (!outcome.notInPlace.empty()) {
    return "The patch was not installed: not in place after " + plan.script + ": " + Joined(outcome.notInPlace) +
           ". It is not listed as active.";
  }
  if (outcome.markerCut) {
    return "The patch was not installed: " + plan.script + " left its marker " + plan.marker +
           " cut short. It is not listed as active.";
  }
  if (outcome.markerLeft) return "The patch was not removed: " + plan.script + " did not delete its marker.";
  if (!outcome.notPutBack.empty()) {
    return "The patch was not removed: not put back after " + plan.script + ": " + Joined(outcome.notPutBack) +
           ". It stays listed as active.";
  }
  if (!outcome.keptAsTheyAre.empty()) {
    return "Changed since the patch put them there, so kept as they are: " + Joined(outcome.keptAsTheyAre) +
           ". The game's own files stay kept beside them (.orig).";
  }
  return plan.script + " reported failed commands; the job did not do all its work.";
}

std::string UndoneText(const JobOutcome& outcome) {
  if (!outcome.undone) return "";
  std::string text = "What it changed is put back as it was before the job.";
  if (!outcome.changedSince.empty()) {
    text += " Changed during the job, so kept as they are: " + Joined(outcome.changedSince) + ".";
  }
  return text;
}

std::string OutcomeText(const JobPlan& plan, const JobOutcome& outcome) {
  std::string text = FailureText(plan, outcome);
  if (const std::string undone = UndoneText(outcome); !text.empty() && !undone.empty()) text += " " + undone;
  return text;
}

}  // namespace vantrel
