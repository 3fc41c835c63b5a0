// "Undo last job" and "Restore the game…" through the presenter: each a row of the window's
// ordinary jobs, run in the job shell one after another as the runner ends them, with the
// game's files compared before and after.
#include <filesystem>
#include <map>

#include "presenter_fixture.h"

namespace vantrel::testing {
namespace {

using Texts = std::vector<std::string>;
using GameTree = std::map<std::string, std::string>;

class UndoPresenterTest : public PresenterTest {
 protected:
  // The user's activation, every question answered yes, run to its end.
  void Activate(const char* patchLine, std::string_view slot) {
    Pick(Control::ListBox1, patchLine);
    Pick(Control::ListBox2, SlotLine(slot));
    view_.answer = true;
    presenter_->Clicked(Control::v);
    ASSERT_TRUE(jobs_.Busy());
    jobs_.End();
  }
  // Ends each job the presenter starts until none runs.
  void EndJobs() {
    while (jobs_.Busy()) jobs_.End();
  }
  std::vector<std::string> Successes(std::size_t from) const {
    std::vector<std::string> lines;
    for (std::size_t i = from; i < jobs_.started.size(); ++i) lines.push_back(jobs_.started[i].success);
    return lines;
  }
  // A patch installed again has the same files and records, and a ledger entry of a later order.
  GameTree WithoutLedger(GameTree files) const {
    std::erase_if(files, [](const auto& file) { return file.first.find("vantrel-files/ledger/") != std::string::npos; });
    return files;
  }
};

// The earlier patch of the slot comes back with its FM/DM choice, and a job asked for while
// the row runs waits for the whole row.
TEST_F(UndoPresenterTest, UndoPutsBackThePatchItsJobTookOutOfTheSlotOneJobAfterAnother) {
  presenter_->Clicked(Control::UndoJob);
  EXPECT_EQ(view_.messages, Texts{"There is no job to undo."});
  view_.messages.clear();

  presenter_->Clicked(Control::CheckBox1);
  presenter_->Clicked(Control::CheckBox2);
  presenter_->Clicked(Control::CheckBox4);
  ASSERT_NO_FATAL_FAILURE(Activate("031F FE2b Fighter", "0305"));
  presenter_->Clicked(Control::CheckBox1);  // FM/DM changing off for the jobs that follow
  const GameTree withFighter = GameFiles();
  ASSERT_NO_FATAL_FAILURE(Activate("060E Big Tank", "0601"));
  ASSERT_NO_FATAL_FAILURE(Activate("0311 Camel Views", "0305"));
  const std::size_t before = jobs_.started.size();

  presenter_->Clicked(Control::UndoJob);
  Pick(Control::ListBox3, "0601_Big Tank");
  presenter_->Clicked(Control::Button4);
  EXPECT_EQ(jobs_.shownLines.back(), "Removing 0601_Big Tank waits for the running job.");
  EndJobs();
  EXPECT_EQ(Successes(before),
            (Texts{"Undo last job: remove 0305_Camel Views (1 of 2)",
                   "Undo last job: install FE2b Fighter in 0305 Halberstadt D.2 with FM/DM S,3 (2 of 2)",
                   "0601_Big Tank is removed"}));
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
  EXPECT_EQ(session_.cat.ListBox3.Items(), Texts{"0305_FE2b Fighter"});
  EXPECT_EQ(WithoutLedger(GameFiles()), WithoutLedger(withFighter));
  EXPECT_FALSE(session_.fmdmChanging) << "the user's FM/DM choice is the user's again";
}

TEST_F(UndoPresenterTest, RestoreAsksWithThePatchesItRemovesAndPutsTheGameBack) {
  const GameTree before = GameFiles();
  ASSERT_NO_FATAL_FAILURE(Activate("0099 SpringMaps", "0301"));
  ASSERT_NO_FATAL_FAILURE(Activate("060E Big Tank", "0601"));
  const GameTree installed = GameFiles();
  const std::size_t started = jobs_.started.size();
  view_.questions.clear();

  view_.answer = false;
  presenter_->Clicked(Control::RestoreGame);
  EXPECT_EQ(view_.questions, Texts{"Restore the game? These patches will be removed and the game's own files put "
                                   "back:\n\n0601_Big Tank\n0099_SpringMaps_vol_patch"});
  EXPECT_EQ(jobs_.started.size(), started);
  EXPECT_EQ(GameFiles(), installed);

  view_.answer = true;
  presenter_->Clicked(Control::RestoreGame);
  EndJobs();
  EXPECT_EQ(Successes(started), (Texts{"Restore the game: remove 0601_Big Tank (1 of 2)",
                                       "Restore the game: remove 0099_SpringMaps_vol_patch (2 of 2)"}));
  EXPECT_EQ(GameFiles(), before);
  EXPECT_EQ(jobs_.shownLines.back(), "The game is restored: no patch is active and its own files are back.");
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// A job of the row that does not do all its work ends the row; what is left is named.
TEST_F(UndoPresenterTest, ARestoreThatCannotPutAFileBackStopsAndNamesWhatIsLeft) {
  ASSERT_NO_FATAL_FAILURE(Activate("0099 SpringMaps", "0301"));
  ASSERT_NO_FATAL_FAILURE(Activate("060E Big Tank", "0601"));
  temp_.write("game/Simpatch/06019000.dml", "changed by hand");
  const std::size_t started = jobs_.started.size();
  presenter_->Clicked(Control::RestoreGame);
  EndJobs();
  EXPECT_EQ(jobs_.started.size(), started + 1);
  ASSERT_EQ(view_.messages.size(), 2u);
  EXPECT_NE(view_.messages[0].find("06019000.dml"), std::string::npos) << view_.messages[0];
  EXPECT_EQ(view_.messages[1], "The game was not restored:\nstill active: 0099_SpringMaps_vol_patch");
  EXPECT_EQ(temp_.read("game/Simpatch/06019000.dml"), "changed by hand");
}

}  // namespace
}  // namespace vantrel::testing

namespace vantrel::testing {
namespace {

// "Patch sets...": what is active saved, then, after three slots changed, applied as a row of
// jobs like an undo's, the game's files as at the save; a set exported and imported again.
TEST_F(UndoPresenterTest, APatchSetIsSavedAndAppliedAsARowOfJobs) {
  ASSERT_NO_FATAL_FAILURE(Activate("060E Big Tank", "0601"));
  ASSERT_NO_FATAL_FAILURE(Activate("0311 Camel Views", "0305"));
  view_.choiceAnswers = {std::size_t{0}};
  view_.textAnswers = {std::string("two")};
  presenter_->Clicked(Control::PatchSets);
  EXPECT_EQ(jobs_.shownLines.back(), "The patch set two is saved: 2 patches.");
  const GameTree saved = GameFiles();

  Pick(Control::ListBox3, "0601_Big Tank");
  presenter_->Clicked(Control::Button4);
  EndJobs();
  ASSERT_NO_FATAL_FAILURE(Activate("031F FE2b Fighter", "0305"));
  ASSERT_NO_FATAL_FAILURE(Activate("060E Big Tank", "0602"));
  const std::size_t before = jobs_.started.size();
  view_.choiceAnswers = {std::size_t{1}, std::size_t{0}};  // apply, the first set
  presenter_->Clicked(Control::PatchSets);
  ASSERT_FALSE(view_.questions.empty());
  EXPECT_NE(view_.questions.back().find("remove 0602_Big Tank"), std::string::npos) << view_.questions.back();
  EndJobs();
  EXPECT_EQ(jobs_.started.size() - before, 4u) << "two removals, two installs";
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
  EXPECT_EQ(session_.cat.ListBox3.Items(), (Texts{"0305_Camel Views", "0601_Big Tank"}));
  EXPECT_EQ(WithoutLedger(GameFiles()), WithoutLedger(saved));

  view_.setFileChosen = (temp_.path() / "shared.set").string();
  view_.choiceAnswers = {std::size_t{3}, std::size_t{0}};  // export the first set
  presenter_->Clicked(Control::PatchSets);
  view_.choiceAnswers = {std::size_t{4}};  // import
  presenter_->Clicked(Control::PatchSets);
  EXPECT_EQ(view_.setFileDialogs, (std::vector<bool>{true, false}));
  EXPECT_EQ(jobs_.shownLines.back(), "The patch set shared is imported.");
}

}  // namespace
}  // namespace vantrel::testing
