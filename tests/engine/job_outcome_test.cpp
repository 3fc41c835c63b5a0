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

// Each target not in place is told with the system's text for the file in the way, read
// before anything of the job is undone.
TEST(JobOutcome, ATargetNotInPlaceIsToldWhyByTheFileInTheWay) {
  const struct {
    const char* what;
    const char* source;  // the patch's file as the job finds it; nullptr for none
    bool targetFolder;   // else the target holds other bytes
    std::string why;
  } cases[] = {
      {"the patch's file gone", nullptr, false, "File not found: Patch\\03019000.dml"},
      {"a folder where the file goes", "patch", true, "File access denied: .\\03059000.dml"},
      {"the copy never made", "patch", false, ".\\03059000.dml holds other bytes than Patch\\03019000.dml"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TempDir dir;
    if (c.source) dir.write("Patch/03019000.dml", c.source);
    if (c.targetFolder) {
      dir.mkdir("03059000.dml");
    } else {
      dir.write("03059000.dml", "the game's own");
    }
    JobPlan plan;
    plan.script = "0305.bat";
    plan.marker = "0305_Patch.aop";
    plan.copies = {{"Patch\\03019000.dml", ".\\03059000.dml"}};

    const JobOutcome outcome = CheckJobOutcome(plan, true);
    EXPECT_EQ(outcome.notInPlace, std::vector<std::string>{".\\03059000.dml"});
    EXPECT_EQ(outcome.whyNotInPlace, std::vector<std::string>{c.why});
  }
}

}  // namespace
}  // namespace vantrel
