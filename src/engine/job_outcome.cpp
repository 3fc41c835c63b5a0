#include "engine/job_outcome.h"

#include "engine/file_errors.h"
#include "engine/ledger_steps.h"
#include "platform/files.h"
#include "platform/search.h"

namespace vantrel {

namespace {

// The bytes themselves: an archive and its patch are often of one size, and a game file
// left as it was must not pass for the patch's copy.
bool InPlace(const PlannedCopy& copy) { return platform::SameContent(copy.source, copy.target); }

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
      if (!InPlace(copy)) outcome.notInPlace.push_back(copy.target);
    }
    if (!outcome.notInPlace.empty() && platform::FileExists(plan.marker)) {
      NamingFile(plan.marker, [&] { platform::DeleteFileAt(plan.marker); });
    }
  } else if (!plan.removedMarkers.empty()) {
    outcome.markerLeft = !platform::FindEntries(plan.removedMarkers, platform::Admit::Files).empty();
  }
  FinishLedger(plan, outcome);
  return outcome;
}

std::string OutcomeText(const JobPlan& plan, const JobOutcome& outcome) {
  if (outcome.Complete()) return "";
  if (!outcome.notInPlace.empty()) {
    return "The patch was not installed: not in place after " + plan.script + ": " + Joined(outcome.notInPlace) +
           ". It is not listed as active.";
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

}  // namespace vantrel
