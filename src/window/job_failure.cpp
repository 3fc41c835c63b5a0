#include "window/job_failure.h"

namespace vantrel {

namespace {

// A removal whose only trouble is files it kept as it found them is done: nothing to run again.
std::string NextStep(const JobPlan& plan, const JobOutcome& outcome) {
  const bool removedButKept = outcome.shellSucceeded && !outcome.markerLeft && outcome.notPutBack.empty() &&
                              !outcome.keptAsTheyAre.empty();
  if (removedButKept) return "Where you want the game's own file back, put its .orig copy in its place.";
  if (!plan.marker.empty()) return "Once the cause is mended, activate the patch again.";
  if (!plan.removedMarkers.empty()) return "Once the cause is mended, deactivate the patch again.";
  return "Once the cause is mended, run the job again.";
}

}  // namespace

std::string JobFailureMessage(const JobPlan& plan, const JobOutcome& outcome) {
  std::string text = FailureText(plan, outcome);
  if (!outcome.whyNotInPlace.empty()) text += "\n";
  for (const std::string& why : outcome.whyNotInPlace) text += "\n" + why;
  if (const std::string undone = UndoneText(outcome); !undone.empty()) text += "\n\n" + undone;
  return text + "\n\n" + NextStep(plan, outcome);
}

}  // namespace vantrel
