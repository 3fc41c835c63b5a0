// A job's plan against what the job then did on the sample game: the plan names every file
// the job changed and nothing else, and making it writes nothing.
#include "engine/job_steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <set>

#include "engine/activation.h"
#include "engine_session.h"
#include "platform/errors.h"
#include "sample_game_fixture.h"

namespace vantrel {
namespace {

using testing::Activate;
using testing::EngineSession;
using testing::Files;
using testing::SampleGame;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// A name as the jobs write it, from the working folder, as the snapshot has it.
std::string SnapshotPath(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  return Lower((std::filesystem::path("Simpatch") / name).lexically_normal().generic_string());
}

// The files whose bytes the steps change: a kept original and a moved-back one change two.
std::set<std::string> NamedBy(const std::vector<JobStep>& steps) {
  std::set<std::string> named;
  for (const JobStep& step : steps) {
    if (step.kind == JobStep::Kind::LeftAsItIs || step.kind == JobStep::Kind::CutShortFirst) continue;
    named.insert(SnapshotPath(step.file));
    if (step.kind == JobStep::Kind::KeptAsOriginal || step.kind == JobStep::Kind::PutBackOriginal) {
      named.insert(SnapshotPath(step.from));
    }
  }
  return named;
}

// The game's files that differ; the support folder's ledger and log are the tool's own.
std::set<std::string> Changed(const Files& before, const Files& after) {
  std::set<std::string> changed;
  for (const Files* side : {&before, &after}) {
    for (const auto& [path, bytes] : *side) {
      const Files& other = side == &before ? after : before;
      const auto found = other.find(path);
      if (path.starts_with("Simpatch/vantrel-files/")) continue;
      if (found == other.end() || found->second != bytes) changed.insert(Lower(path));
    }
  }
  return changed;
}

std::vector<std::string> Texts(const std::vector<JobStep>& steps) {
  std::vector<std::string> texts;
  for (const JobStep& step : steps) texts.push_back(StepText(step));
  return texts;
}

void LayStackedVolume(SampleGame& game) {
  game.dir.write("game/Simpatch/SpringMaps2/rb.vol", "SpringMaps2's rb.vol");
  game.dir.write("game/Simpatch/SpringMaps2/00999000.dml", "");
}

struct PlanCase {
  const char* what;
  std::function<void(SampleGame&, EngineSession&)> before;  // the jobs run first
  const char* patch;   // an activation of this line into `slot`; null for a removal of `entry`
  const char* slot;
  const char* entry;
  bool fmdm;
  const char* step;    // one step the plan must tell
};

class PlanAgainstJob : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanAgainstJob, NamesEveryFileTheJobChangedAndNothingElse) {
  const PlanCase& c = GetParam();
  SampleGame game;
  EngineSession e;
  c.before(game, e);
  e.s.fmdmChanging = c.fmdm;
  e.s.fmVariantFlags = {c.fmdm, c.fmdm, c.fmdm};
  e.s.cat.ListBox3.Clear();
  if (c.patch) {
    e.SelectPatch(c.patch);
    e.SelectSlot(c.slot);
  } else {
    e.SelectActive(c.entry);
  }
  const Files before = game.Snapshot();
  const JobPlan plan = c.patch ? PlanActivation(e.s) : *PlanDeactivation(e.s);
  const Files planned = game.Snapshot();
  EXPECT_TRUE(planned == before) << "the plan wrote" << testing::Difference(before, planned);

  const JobPlan written = c.patch ? WriteActivationScript(e.s) : *WriteDeactivationScript(e.s);
  const JobOutcome outcome = testing::RunJob(written);
  ASSERT_TRUE(outcome.Complete()) << OutcomeText(written, outcome);
  EXPECT_EQ(Texts(plan.steps), Texts(written.steps)) << "the job told the steps its plan told";

  const std::set<std::string> changed = Changed(before, game.Snapshot());
  EXPECT_EQ(NamedBy(plan.steps), changed) << ::testing::PrintToString(Texts(plan.steps));
  const std::vector<std::string> texts = Texts(plan.steps);
  EXPECT_NE(std::find(texts.begin(), texts.end(), c.step), texts.end()) << ::testing::PrintToString(texts);
}

const auto kNothingBefore = [](SampleGame&, EngineSession&) {};

INSTANTIATE_TEST_SUITE_P(
    SampleGameJobs, PlanAgainstJob,
    ::testing::Values(
        PlanCase{"ObjectIntoAnEmptySlot", kNothingBefore, "060E Big Tank", "0601", nullptr, false,
                 "copied: Big Tank\\060E9000.dml -> 06019000.dml (not there now)"},
        // Objects: the del lines of an aircraft slot's bitmaps ("win?05??.bmp") take fewer
        // names under Wine's cmd than under Windows' own.
        PlanCase{"OverAnotherPatchInTheSlot",
                 [](SampleGame& game, EngineSession& e) {
                   for (const char* name : {"060F9000.dml", "060F9000.dts", "060Ftex1.bmp"}) {
                     game.dir.write(std::string("game/Simpatch/Small Tank/") + name, std::string("Small Tank's ") + name);
                   }
                   ASSERT_TRUE(Activate(e, "060E Big Tank", "0601").Complete());
                 },
                 "060F Small Tank", "0601", nullptr, false,
                 "copied: Small Tank\\060Ftex1.bmp -> 0601tex1.bmp (held by Big Tank)"},
        PlanCase{"AircraftWithFmdmOn", kNothingBefore, "031F FE2b Fighter", "0305", nullptr, true,
                 "model record changed: fmparam3.dat, record 5 (the game's own)"},
        PlanCase{"VolumeOverAnotherVolumePatch",
                 [](SampleGame& game, EngineSession& e) {
                   LayStackedVolume(game);
                   ASSERT_TRUE(Activate(e, "0099 SpringMaps", "0301").Complete());
                 },
                 "0099 SpringMaps2", "0301", nullptr, false,
                 "copied: SpringMaps2\\rb.vol -> ..\\rb.vol (held by SpringMaps)"},
        PlanCase{"RemovalPuttingTheLayerBelowBack",
                 [](SampleGame& game, EngineSession& e) {
                   LayStackedVolume(game);
                   ASSERT_TRUE(Activate(e, "0099 SpringMaps", "0301").Complete());
                   ASSERT_TRUE(Activate(e, "0099 SpringMaps2", "0301").Complete());
                 },
                 nullptr, nullptr, "0099_SpringMaps2_vol_patch", false,
                 "put back: ..\\rb.vol from SpringMaps\\rb.vol (held by SpringMaps2)"}),
    [](const ::testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.what); });

// Refused as the job is, with its error, and nothing written.
TEST(Plan, RefusesAsTheJobDoesAndWritesNothing) {
  SampleGame game;
  std::filesystem::create_directory(game.dir.path() / "game" / "rb.vol.orig");
  const Files before = game.Snapshot();
  EngineSession e;
  e.SelectPatch("0099 SpringMaps");
  std::string planned, written;
  try {
    PlanActivation(e.s);
  } catch (const Error& error) {
    planned = error.what();
  }
  try {
    WriteActivationScript(e.s);
  } catch (const Error& error) {
    written = error.what();
  }
  EXPECT_FALSE(planned.empty());
  EXPECT_EQ(planned, written);
  const Files after = game.Snapshot();
  EXPECT_TRUE(after == before) << testing::Difference(before, after);
}

}  // namespace
}  // namespace vantrel
