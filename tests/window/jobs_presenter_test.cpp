// The two big buttons and the keys that do what they do: the questions before an activation,
// the job handed to the runner with its outcome line, the captions, the jobs put off while
// one runs and the lists after a job.
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "engine/installed.h"
#include "presenter_fixture.h"
#include "rbext/run_shell.h"

namespace vantrel::testing {
namespace {

using Texts = std::vector<std::string>;

class JobsPresenterTest : public PresenterTest {
 protected:
  void SetUp() override {
    temp_.write("game/Simpatch/0305_Camel Views.aop", "Active\r\n");
    temp_.write("game/Simpatch/0601_Big Tank.aop", "Active\r\n");
    PresenterTest::SetUp();
  }
  std::map<std::string, std::string> WorkingFiles() const { return VisibleFiles(Work()); }
  void Choose(const char* patchLine, std::string_view slot) {
    Pick(Control::ListBox1, patchLine);
    Pick(Control::ListBox2, SlotLine(slot));
  }
};

struct AskedCase {
  const char* what;
  const char* patchLine;
  const char* slot;
  std::string question;
  const char* step;  // one of the job's steps, shown under the question's Details
};
void PrintTo(const AskedCase& c, std::ostream* os) { *os << c.what; }

class AskedQuestionTest : public JobsPresenterTest, public ::testing::WithParamInterface<AskedCase> {};

TEST_P(AskedQuestionTest, NoWritesNothingAndYesWritesTheJob) {
  const AskedCase& c = GetParam();
  Choose(c.patchLine, c.slot);
  const auto before = WorkingFiles();
  view_.answer = false;
  presenter_->Clicked(Control::v);
  EXPECT_EQ(view_.questions, Texts{c.question});
  ASSERT_EQ(view_.questionDetails.size(), 1u);
  EXPECT_NE(view_.questionDetails.front().find(c.step), std::string::npos) << view_.questionDetails.front();
  EXPECT_EQ(WorkingFiles(), before) << "no script, no model record changed";
  EXPECT_TRUE(jobs_.started.empty());
  EXPECT_EQ(view_.Text(Control::v), kActivateCaption);

  view_.answer = true;
  view_.questions.clear();
  presenter_->Clicked(Control::v);
  EXPECT_EQ(view_.questions, Texts{c.question});
  EXPECT_TRUE(std::filesystem::exists(Work() / (std::string(c.slot) + ".bat")));
  EXPECT_EQ(jobs_.started.size(), 1u);
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

INSTANTIATE_TEST_SUITE_P(
    Presenter, AskedQuestionTest,
    ::testing::Values(AskedCase{"OccupiedSlot", "031F FE2b Fighter", "0305",
                                "Slot 0305 holds Camel Views. Replace it?", "\nmarker deleted: 0305_Camel Views.aop\n"},
                      AskedCase{"VehiclePatchAircraftSlot", "060E Big Tank", "0306",
                                "Big Tank is not an aircraft patch; slot 0306 Albatros D.3 is an aircraft slot. "
                                "Install it there?",
                                "copied: Big Tank\\060E9000.dml -> 03069000.dml (not there now)\n"}),
    [](const ::testing::TestParamInfo<AskedCase>& info) { return std::string(info.param.what); });

// Beside each active entry its slot's name, beside each slot that holds a patch its name,
// and in a volume patch's tooltip the archives it holds; read again, in the background, once
// a job has ended.
TEST_F(JobsPresenterTest, TheListsShowWhoHoldsEachSlotAndWhatAVolumePatchHolds) {
  Pick(Control::ListBox1, "0099 SpringMaps");
  view_.answer = true;
  presenter_->Clicked(Control::v);
  jobs_.End();
  ASSERT_TRUE(view_.messages.empty()) << view_.messages.front();
  EXPECT_EQ(session_.cat.ListBox2.AsideOf(SlotLine("0601")), nullptr) << "not shown as the job found it";
  CheckedMarks();
  const EntryList& active = session_.cat.ListBox3;
  const EntryList& slots = session_.cat.ListBox2;
  const std::string slotName = SlotNameOf(session_.cat, "0305");
  const struct {
    const EntryList& list;
    std::string entry;
    std::optional<EntryList::Aside> aside;  // none: nothing beside it
  } kCases[] = {
      {active, "0099_SpringMaps_vol_patch", EntryList::Aside{"game archives", "Holds ..\\3dpatch\\3dspring.vol, ..\\rb.vol"}},
      {active, "0305_Camel Views", EntryList::Aside{slotName, "In slot 0305 " + slotName}},
      {slots, SlotLine("0305"), EntryList::Aside{"Camel Views", "Held by Camel Views"}},
      {slots, SlotLine("0601"), EntryList::Aside{"Big Tank", "Held by Big Tank"}},
      {slots, SlotLine("0306"), std::nullopt},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.entry);
    ASSERT_TRUE(c.list.FindIgnoringCase(c.entry)) << "listed";
    const EntryList::Aside* aside = c.list.AsideOf(c.entry);
    ASSERT_EQ(aside != nullptr, c.aside.has_value());
    if (aside) {
      EXPECT_EQ(*aside, *c.aside);
    }
  }
  EXPECT_EQ(active.Items(), (Texts{"0099_SpringMaps_vol_patch", "0305_Camel Views", "0601_Big Tank"}))
      << "the entries' texts stay as they are";
}

TEST_F(JobsPresenterTest, AnActivationHandsItsJobToTheRunnerWithItsOutcomeLine) {
  const struct {
    const char* patch;
    const char* slot;
    const char* script;
    std::string success;
  } kJobs[] = {
      {"060E Big Tank", "0612", "0612.bat", "Big Tank is active in " + SlotLine("0612")},
      {"0099 SpringMaps", "0612", "0099.bat", "SpringMaps is active"},  // a volume patch takes no slot
  };
  for (const auto& job : kJobs) {
    SCOPED_TRACE(job.script);
    jobs_.started.clear();
    view_.texts[Control::v].clear();
    view_.SetText(Control::v, kActivateCaption);
    const int notes = jobs_.notesShown;
    Choose(job.patch, job.slot);
    presenter_->Clicked(Control::v);
    ASSERT_EQ(jobs_.started.size(), 1u);
    EXPECT_EQ(jobs_.started[0].program, ShellExecutableFor(session_.shellProgram));
    EXPECT_EQ(jobs_.started[0].plan.script, job.script);
    EXPECT_EQ(jobs_.started[0].success, job.success);
    EXPECT_EQ(jobs_.notesShown, notes + 1) << "the job's notes are brought to the front";
    EXPECT_EQ(view_.texts[Control::v], (Texts{kActivateCaption, "Working......", kActivateCaption}));
    jobs_.End();
  }
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// The lower-case "s" keeps its Alt-letter, use after use.
TEST_F(JobsPresenterTest, ADeactivationHandsItsJobOverAndLowersTheButtonsS) {
  Pick(Control::ListBox3, "0601_Big Tank");
  presenter_->Clicked(Control::Button4);
  ASSERT_EQ(jobs_.started.size(), 1u);
  EXPECT_EQ(jobs_.started[0].plan.script, "0601.bat");
  EXPECT_EQ(jobs_.started[0].success, "0601_Big Tank is removed");
  jobs_.End();
  Pick(Control::ListBox3, "0305_Camel Views");
  presenter_->Clicked(Control::Button4);
  EXPECT_EQ(jobs_.started.size(), 2u);
  EXPECT_EQ(view_.texts[Control::Button4], (Texts{"&Deactivate Selected", "Deactivating..", "&Deactivate selected",
                                                  "Deactivating..", "&Deactivate selected"}));
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

TEST_F(JobsPresenterTest, ActivatingRightAfterARefreshShowsTheListErrorAndWritesNothing) {
  presenter_->Clicked(Control::Button1);
  presenter_->Clicked(Control::v);
  EXPECT_EQ(view_.messages, Texts{"List index out of bounds (-1)\nPick a patch in Available patches first."});
  EXPECT_TRUE(Scripts().empty());
  EXPECT_TRUE(jobs_.started.empty());
}

// The window acts on what the user picked and nothing else: a job without its pick is told
// what to pick, asks nothing, writes nothing and picks nothing for the user.
TEST_F(JobsPresenterTest, AJobWithoutThePickItActsOnSaysWhatToPickAndDoesNothing) {
  const struct {
    const char* what;
    const char* patch;  // picked in Available patches first, if any
    Control button;
    bool noActive;  // Active patches empty
    std::string told;
  } kCases[] = {
      {"no patch", nullptr, Control::v, false, "Pick a patch in Available patches first."},
      // 0305 holds Camel Views: the first slot the engine would take asks its question.
      {"a patch but no slot", "031F FE2b Fighter", Control::v, false, "Pick a destination slot first."},
      {"no active patch", nullptr, Control::Button4, false, "Pick a patch in Active patches first."},
      {"an empty Active patches", nullptr, Control::Button4, true, "Pick a patch in Active patches first."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    if (c.noActive) {
      for (const char* marker : {"0305_Camel Views.aop", "0601_Big Tank.aop"}) std::filesystem::remove(Work() / marker);
    }
    Reopen();
    view_.messages.clear();
    if (c.patch) Pick(Control::ListBox1, c.patch);
    const auto before = WorkingFiles();
    presenter_->Clicked(c.button);
    EXPECT_EQ(view_.messages, Texts{"List index out of bounds (-1)\n" + c.told});
    EXPECT_TRUE(view_.questions.empty());
    EXPECT_EQ(WorkingFiles(), before);
    EXPECT_TRUE(jobs_.started.empty());
    EXPECT_EQ(session_.cat.ListBox1.Selected().has_value(), c.patch != nullptr);
    EXPECT_FALSE(session_.cat.ListBox2.Selected());
    EXPECT_FALSE(session_.cat.ListBox3.Selected());
  }
}

// A pick that its list's filter hides is none the user can see: the job waits for one in view.
TEST_F(JobsPresenterTest, APickTheFilterHidesIsNoPick) {
  for (const Control filter : {Control::PatchFilter, Control::SlotFilter}) {
    Choose("060E Big Tank", "0612");
    view_.messages.clear();
    view_.texts[filter] = {"0305"};
    const auto before = WorkingFiles();
    presenter_->Clicked(Control::v);
    EXPECT_EQ(view_.messages.size(), 1u);
    EXPECT_TRUE(view_.messages.front().ends_with(filter == Control::SlotFilter ? "Pick a destination slot first."
                                                                                : "Pick a patch in Available patches first."));
    EXPECT_EQ(WorkingFiles(), before);
    view_.texts[filter] = {"Big Tank"};  // in view again, by its name
    if (filter == Control::SlotFilter) view_.texts[filter] = {"0612"};
    presenter_->Clicked(Control::v);
    ASSERT_FALSE(jobs_.started.empty());
    jobs_.End();
    view_.texts[filter].clear();
  }
}

// A volume patch goes to no slot: it needs none picked, and none is picked for it.
TEST_F(JobsPresenterTest, AVolumePatchNeedsNoSlotPicked) {
  Pick(Control::ListBox1, "0099 SpringMaps");
  presenter_->Clicked(Control::v);
  ASSERT_EQ(jobs_.started.size(), 1u);
  EXPECT_EQ(jobs_.started[0].plan.script, "0099.bat");
  EXPECT_FALSE(session_.cat.ListBox2.Selected());
  jobs_.End();
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// After a job the lists keep the user's picks and what shows follows them, so that the next
// job starts without a list error the window made; a removal picks no patch for the user.
TEST_F(JobsPresenterTest, AfterAJobThePicksStayAndWhatShowsFollowsThem) {
  Choose("060E Big Tank", "0612");
  presenter_->Clicked(Control::v);
  jobs_.End();
  EXPECT_EQ(session_.cat.ListBox1.SelectedText(), "060E Big Tank");
  EXPECT_EQ(Edit1(), "060E Big Tank ==> " + SlotLine("0612"));
  Pick(Control::ListBox2, SlotLine("0613"));
  presenter_->Clicked(Control::v);
  ASSERT_EQ(jobs_.started.size(), 2u);
  jobs_.End();

  Reopen();
  Pick(Control::ListBox3, "0601_Big Tank");
  presenter_->Clicked(Control::Button4);
  jobs_.End();
  EXPECT_FALSE(session_.cat.ListBox1.Selected());
  EXPECT_EQ(Edit1(), "none");
  EXPECT_TRUE(view_.enabled[Control::ListBox2]);
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// A failure cannot be missed: once the lists show what the job left, a box tells what failed,
// why, what was put back and what to do next. A job that did all its work brings up none.
TEST_F(JobsPresenterTest, AFailedJobIsToldInABoxAndACompleteOneIsNot) {
  Choose("060E Big Tank", "0612");
  presenter_->Clicked(Control::v);
  jobs_.End();
  ASSERT_TRUE(jobs_.outcomes.back().Complete());
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();

  temp_.mkdir("game/Simpatch/0613tex1.bmp");  // a folder where a texture goes: refused even for root
  Pick(Control::ListBox2, SlotLine("0613"));
  presenter_->Clicked(Control::v);
  jobs_.End();
  EXPECT_EQ(view_.messages,
            Texts{"The patch was not installed: not in place after 0613.bat: .\\0613tex1.bmp. It is not listed as "
                  "active.\n\nFile access denied: .\\0613tex1.bmp\n\n"
                  "What it changed is put back as it was before the job.\n\n"
                  "Once the cause is mended, activate the patch again."});
  EXPECT_EQ(session_.cat.ListBox3.FindIgnoringCase("0613_Big Tank"), std::nullopt);
}

// A button's "Working......" would claim a job still running when its handler has ended.
TEST_F(JobsPresenterTest, AJobThatFailsPutsItsButtonsCaptionBack) {
  temp_.mkdir("game/Simpatch/0601.bat");  // a folder where both job scripts go: denied even for root
  Choose("060E Big Tank", "0601");
  Pick(Control::ListBox3, "0601_Big Tank");
  const struct {
    Control button;
    const char* working;
  } kJobs[] = {{Control::v, "Working......"}, {Control::Button4, "Deactivating.."}};
  for (const auto& job : kJobs) {
    SCOPED_TRACE(SpecOf(job.button).name);
    view_.messages.clear();
    const std::string caption = view_.Text(job.button);
    presenter_->Clicked(job.button);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_TRUE(view_.messages[0].starts_with("File access denied")) << view_.messages[0];
    const Texts& texts = view_.texts[job.button];
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2], job.working);
    EXPECT_EQ(texts.back(), caption);
  }
  EXPECT_TRUE(jobs_.started.empty());
}

TEST_F(JobsPresenterTest, AJobAskedForWhileOneRunsWaitsWithTheEntriesPickedForIt) {
  Choose("060E Big Tank", "0612");
  presenter_->Clicked(Control::v);
  ASSERT_TRUE(jobs_.Busy());
  Pick(Control::ListBox2, SlotLine("0613"));
  presenter_->Clicked(Control::v);
  EXPECT_FALSE(std::filesystem::exists(Work() / "0613.bat")) << "written while the first job ran";
  EXPECT_EQ(jobs_.started.size(), 1u);
  // Picks made after the request do not change the job it asked for.
  Pick(Control::ListBox1, "031F FE2b Fighter");
  Pick(Control::ListBox2, SlotLine("0620"));

  jobs_.End();
  ASSERT_EQ(jobs_.started.size(), 2u);
  EXPECT_EQ(jobs_.started[1].plan.script, "0613.bat");
  EXPECT_EQ(jobs_.started[1].success, "Big Tank is active in " + SlotLine("0613"));
  EXPECT_FALSE(std::filesystem::exists(Work() / "0620.bat"));
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// The outcome line says what waits for the running job, by what was picked for it; a
// refresh, which follows every job's end anyway, is no job of its own.
TEST_F(JobsPresenterTest, AJobPutOffSaysInTheOutcomeLineThatItWaits) {
  Pick(Control::ListBox3, "0305_Camel Views");
  presenter_->Clicked(Control::Button4);
  ASSERT_TRUE(jobs_.Busy());
  const struct {
    const char* what;
    std::function<void()> ask;
    std::string line;
  } kCases[] = {
      {"activation", [&] { Choose("060E Big Tank", "0612"), presenter_->Entered(Control::ListBox1); },
       "Activating Big Tank waits for the running job."},
      {"removal", [&] { Pick(Control::ListBox3, "0601_Big Tank"), presenter_->Clicked(Control::Button4); },
       "Removing 0601_Big Tank waits for the running job."},
      {"change of folder", [&] { view_.Type(Control::path, "Multi"), presenter_->FolderTextChanged(); },
       "The change to Multi waits for the running job."},
      {"refresh", [&] { presenter_->Clicked(Control::Button1); }, ""},
      {"folder box text naming no folder", [&] { view_.Type(Control::path, "Mul"), presenter_->FolderTextChanged(); },
       ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    jobs_.shownLines.clear();
    c.ask();
    EXPECT_EQ(jobs_.shownLines, c.line.empty() ? Texts{} : Texts{c.line});
  }
  EXPECT_EQ(jobs_.started.size(), 1u);
  EXPECT_EQ(std::filesystem::current_path(), Work());
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

TEST_F(JobsPresenterTest, ARefreshAskedForWhileAJobRunsWaitsForIt) {
  Choose("060E Big Tank", "0612");
  presenter_->Clicked(Control::v);
  temp_.write("game/Simpatch/New Plane/03209000.dml", "shape\n");
  presenter_->Clicked(Control::Button1);
  EXPECT_EQ(session_.cat.ListBox1.Count(), 4) << "scanned while the job held the folder";
  jobs_.ended = nullptr;  // only the refresh put off may scan
  jobs_.End();
  EXPECT_EQ(session_.cat.ListBox1.Count(), 5);
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

TEST_F(JobsPresenterTest, AnEndedJobRefreshesAvailablePatches) {
  Choose("060E Big Tank", "0612");
  presenter_->Clicked(Control::v);
  temp_.write("game/Simpatch/New Plane/03209000.dml", "shape\n");  // as a job might leave it
  jobs_.End();
  EXPECT_EQ(session_.cat.ListBox1.Count(), 5);
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// Each key runs the job its button would, on what is picked.
TEST_F(JobsPresenterTest, EnterInAListRunsItsJob) {
  const struct {
    Control list;
    const char* script;
  } kCases[] = {{Control::ListBox1, "0612.bat"}, {Control::ListBox2, "0612.bat"}, {Control::ListBox3, "0601.bat"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(SpecOf(c.list).name);
    Choose("060E Big Tank", "0612");
    Pick(Control::ListBox3, "0601_Big Tank");
    presenter_->Entered(c.list);
    EXPECT_EQ(Scripts(), Texts{c.script});
    jobs_.End();
    std::filesystem::remove(Work() / c.script);
    temp_.write("game/Simpatch/0601_Big Tank.aop", "Active\r\n");  // as before the job
    presenter_->Clicked(Control::Button2);
  }
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// The log opens in the system's program for it, else in the window's own viewer; before the
// first job the viewer says that there is none.
TEST_F(JobsPresenterTest, TheJobLogOpensInTheSystemsProgramElseInTheWindowsViewer) {
  const std::string kLog = "0612.bat\r\n--- outcome\r\nBig Tank is active\r\n";
  const struct {
    const char* what;
    bool logged;
    bool systemHasProgram;
    Texts shown;
  } kCases[] = {
      {"no job logged yet", false, true, {"No job has been logged in this working folder yet."}},
      {"a program for it", true, true, {}},
      {"no program for it", true, false, {"0612.bat\n--- outcome\nBig Tank is active\n"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    if (c.logged) temp_.write("game/Simpatch/vantrel-files/vantrel-jobs.log", kLog);
    view_.systemHasProgram = c.systemHasProgram;
    view_.systemOpened.clear();
    view_.logsShown.clear();
    presenter_->Clicked(Control::JobLog);
    EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
    EXPECT_EQ(view_.logsShown, c.shown);
    ASSERT_EQ(view_.systemOpened.size(), c.logged ? 1u : 0u);
    if (c.logged) {
      EXPECT_TRUE(std::filesystem::equivalent(Work() / view_.systemOpened[0], Work() / "vantrel-files" / "vantrel-jobs.log"))
          << view_.systemOpened[0];
    }
  }
}

}  // namespace
}  // namespace vantrel::testing
