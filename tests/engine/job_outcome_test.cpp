// A job's outcome read from the disk once its shell has ended: a marker that a failed job
// left cut short does not count as an install.
#include "engine/job_outcome.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace vantrel {
namespace {

TEST(JobOutcome, AMarkerAFailedJobLeftCutShortIsDeletedAndTheInstallFails) {
  const struct {
    const char* what;
    const char* marker;
    bool kept;
  } cases[] = {
      {"empty, the disk full at its write", "", false},
      {"without its line end, the shell killed at its write", "Active ", false},
      {"whole, another command failed", "Active \r\n", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TempDir dir;
    dir.write("0305_FE2b Fighter.aop", c.marker);
    JobPlan plan;
    plan.script = "0305.bat";
    plan.marker = "0305_FE2b Fighter.aop";

    const JobOutcome outcome = CheckJobOutcome(plan, false);
    EXPECT_EQ(dir.exists("0305_FE2b Fighter.aop"), c.kept);
    EXPECT_EQ(outcome.markerCut, !c.kept);
    EXPECT_EQ(OutcomeText(plan, outcome).starts_with("The patch was not installed"), !c.kept)
        << OutcomeText(plan, outcome);
  }
}

}  // namespace
}  // namespace vantrel
