// The job history, undo and the restoring of the game, on the sample game with the real job
// shell: each step an ordinary job, the game compared with its snapshots byte for byte.
#include "engine/undo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/list_line.h"
#include "engine/fmdm_choice.h"
#include "engine/job_history.h"
#include "engine_session.h"
#include "platform/errors.h"
#include "sample_game_fixture.h"

namespace vantrel {
namespace {

using testing::Difference;
using testing::EngineSession;
using testing::Files;
using testing::SampleGame;
using testing::WithoutLedger;

constexpr const char* kFighter = "031F FE2b Fighter";
constexpr const char* kCamel = "0311 Camel Views";
constexpr const char* kTank = "060E Big Tank";
constexpr const char* kSpring = "0099 SpringMaps";
constexpr const char* kFall = "0099 FallMaps";  // rb.vol and lowres.vol, over or under SpringMaps

struct Job {
  const char* patch;  // the Available patches line to activate; null for a removal
  const char* where;  // its slot, or the Active patches entry to remove
  const char* fmdm = "off";
};

// The sample game with a second volume patch, and a session on it.
struct Game {
  Game() {
    game.dir.write("game/Simpatch/FallMaps/rb.vol", "FallMaps' rb.vol");
    game.dir.write("game/Simpatch/FallMaps/lowres.vol", "FallMaps' lowres.vol");
    game.dir.write("game/Simpatch/FallMaps/00999000.dml", "");
  }

  void Run(const Job& job) {
    SCOPED_TRACE(std::string(job.patch ? job.patch : "remove") + " " + job.where);
    ASSERT_FALSE(ApplyFmdmChoice(e.s, job.fmdm));
    const JobOutcome outcome = job.patch ? testing::Activate(e, job.patch, job.where) : testing::Deactivate(e, job.where);
    ASSERT_FALSE(ApplyFmdmChoice(e.s, "off"));
    ASSERT_TRUE(outcome.Complete()) << OutcomeText({}, outcome);
  }

  // Each step as the command line and the window run it: its script written, run by the
  // job shell and its outcome checked.
  void RunSteps(const std::vector<RowJob>& steps) {
    for (const RowJob& step : steps) {
      const JobOutcome outcome = testing::RunJob(WriteStepScript(e.s, step));
      ASSERT_TRUE(outcome.Complete()) << RowJobText(e.s.cat, step) << ": " << OutcomeText({}, outcome);
    }
  }

  SampleGame game;
  EngineSession e;
};

struct UndoCase {
  const char* name;
  std::vector<Job> jobs;
  int undos;
  std::size_t backTo;  // the game as it was after this many of the jobs
};

void PrintTo(const UndoCase& c, std::ostream* out) { *out << c.name; }

class UndoTest : public ::testing::TestWithParam<UndoCase> {};

TEST_P(UndoTest, PutsTheGameBackAsItWasBeforeTheJobsItUndoes) {
  const UndoCase& c = GetParam();
  Game g;
  std::vector<Files> after = {g.game.Snapshot()};
  for (const Job& job : c.jobs) {
    ASSERT_NO_FATAL_FAILURE(g.Run(job));
    after.push_back(g.game.Snapshot());
  }
  for (int i = 0; i < c.undos; ++i) ASSERT_NO_FATAL_FAILURE(g.RunSteps(UndoSteps(g.e.s.cat)));
  // The patches put back have entries of a later order; everything else is as it was.
  const Files now = WithoutLedger(g.game.Snapshot()), then = WithoutLedger(after[c.backTo]);
  EXPECT_TRUE(now == then) << Difference(then, now);
}

INSTANTIATE_TEST_SUITE_P(
    After, UndoTest,
    ::testing::Values(
        UndoCase{"AnAircraftInstallWithFmdm", {{kFighter, "0305", "S,2,3"}}, 1, 0},
        UndoCase{"AnInstallThatReplacedAnotherPatchInItsSlot", {{kFighter, "0305", "S,2,3"}, {kCamel, "0305"}}, 1, 1},
        UndoCase{"TwoInstallsTwice", {{kFighter, "0305", "S,2,3"}, {kCamel, "0305"}}, 2, 0},
        UndoCase{"ARemoval", {{kFighter, "0305", "S,3"}, {kTank, "0601"}, {nullptr, "0305_FE2b Fighter"}}, 1, 2},
        UndoCase{"ARemovalOfAVolumePatchUnderAnother",
                 {{kSpring, "0301"}, {kFall, "0301"}, {nullptr, "0099_SpringMaps_vol_patch"}}, 1, 2},
        UndoCase{"ThreeJobsThreeTimes", {{kTank, "0601"}, {kSpring, "0301"}, {nullptr, "0601_Big Tank"}}, 3, 0}),
    [](const ::testing::TestParamInfo<UndoCase>& info) { return info.param.name; });

TEST(Undo, RefusesWhenNothingIsLeftToUndoOrTheGameIsNoLongerAsTheJobLeftIt) {
  Game g;
  EXPECT_THROW(UndoSteps(g.e.s.cat), Error);
  ASSERT_NO_FATAL_FAILURE(g.Run({kTank, "0601"}));
  std::filesystem::remove(g.game.dir.path() / "game/Simpatch/0601_Big Tank.aop");
  try {
    UndoSteps(g.e.s.cat);
    ADD_FAILURE() << "undone with the patch gone";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "The last job cannot be undone: 0601_Big Tank is no longer active.");
  }
}

// Ten jobs of every kind, two volume patches stacked over the same archive among them: the
// restoring leaves the game's files as before the first, and the history lists every job.
TEST(RestoreGame, AfterTenJobsTheGameIsAsBeforeTheFirstAndTheHistoryListsThem) {
  Game g;
  const Files before = g.game.Snapshot();
  const std::vector<Job> jobs = {{kSpring, "0301"},
                                 {kFall, "0301"},
                                 {kFighter, "0305", "S,2,3"},
                                 {kTank, "0601"},
                                 {kCamel, "0305"},
                                 {nullptr, "0601_Big Tank"},
                                 {kTank, "0602"},
                                 {kFighter, "0300", "2"},
                                 {nullptr, "0099_SpringMaps_vol_patch"},
                                 {kSpring, "0301"}};
  for (const Job& job : jobs) ASSERT_NO_FATAL_FAILURE(g.Run(job));
  const std::vector<RowJob> steps = RestoreSteps(g.e.s.cat);
  std::vector<std::string> removed;
  for (const RowJob& step : steps) removed.push_back(RowJobText(g.e.s.cat, step));
  EXPECT_EQ(removed, (std::vector<std::string>{"remove 0099_SpringMaps_vol_patch", "remove 0300_FE2b Fighter",
                                               "remove 0602_Big Tank", "remove 0305_Camel Views",
                                               "remove 0099_FallMaps_vol_patch"}));
  ASSERT_NO_FATAL_FAILURE(g.RunSteps(steps));
  EXPECT_EQ(NotRestored(g.e.s.cat), std::vector<std::string>{});
  const Files after = g.game.Snapshot();
  EXPECT_TRUE(after == before) << Difference(before, after);

  const std::vector<HistoryRecord> history = ReadHistory();
  ASSERT_EQ(history.size(), jobs.size() + steps.size());
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    const HistoryRecord& record = history[i];
    const Job& job = jobs[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(record.number, i + 1);
    EXPECT_EQ(record.activation, job.patch != nullptr);
    std::string folder = job.patch ? std::string(LineName(job.patch)) : std::string(job.where).substr(5);
    if (folder.ends_with("_vol_patch")) folder.resize(folder.size() - 10);
    EXPECT_EQ(record.folder, folder);
    const bool volume = std::string(job.patch ? job.patch : job.where).starts_with("0099");
    EXPECT_EQ(record.slot, volume ? "" : job.patch ? job.where : std::string(job.where).substr(0, 4));
    EXPECT_TRUE(record.done);
    EXPECT_EQ(record.outcome, "");
  }
  EXPECT_EQ(history[4].replaced.size(), 1u) << "Camel Views took FE2b Fighter out of 0305";
  EXPECT_EQ(history[4].replaced.at(0).fmdm, "S,2,3");
}

// A record reads back as it was written; one cut short anywhere is refused, not read in part.
TEST(JobHistory, ARecordReadsBackAndOneCutShortIsRefused) {
  HistoryRecord record;
  record.number = 12;
  record.time = "2026-12-09 21:50:46";
  record.folder = "Camel Views";
  record.marker = "0305_Camel Views.aop";
  record.slot = "0305";
  record.outcome = "failed\r\nover two lines";
  record.undoes = 7;
  record.installed = LedgerEntry{"0305_Camel Views.aop", "Camel Views", 4, LedgerState::Installed, "off", {}, {}};
  record.replaced = {LedgerEntry{"0305_FE2b Fighter.aop", "FE2b Fighter", 2, LedgerState::Installed, "S,3",
                                 {{"03059000.dml", "ab", "FE2b Fighter\\03059000.dml", "", ""}},
                                 {{"fmparam3.dat", 1320, "00ff", "ff00"}}}};
  const std::string text = HistoryText(record);
  const HistoryRecord read = ParseHistoryRecord(text, "record");
  EXPECT_EQ(read.outcome, "failed  over two lines");
  EXPECT_EQ(HistoryText(read), text);
  for (const char* cut : {"undoes", "replaced", "record\t", "\r\nend"}) {
    EXPECT_THROW(ParseHistoryRecord(text.substr(0, text.find(cut)), "record"), Error) << cut;
  }
}

}  // namespace
}  // namespace vantrel
