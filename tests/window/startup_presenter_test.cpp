// The first activation, what it must not repeat, F5, and where the session's messages go.
#include <cctype>

#include "platform/process.h"
#include "presenter_fixture.h"

namespace vantrel::testing {
namespace {

const std::vector<std::string> kSamplePatches = {"0099 SpringMaps", "0311 Camel Views", "031F FE2b Fighter",
                                                 "060E Big Tank"};

// The folder of the running program, lower-cased: what the caption names.
std::string OwnFolderLowered() {
  std::string folder = platform::OwnPath();
  folder.erase(folder.find_last_of("\\/"));
  for (char& c : folder) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folder;
}

void LayNewPatchFolder(const TempDir& temp) { temp.write("game/Simpatch/New Plane/03209000.dml", "shape\n"); }

TEST_F(PresenterTest, FirstActivationScansFillsTheListsAndNamesTheFolder) {
  EXPECT_EQ(view_.title, "Vantrel : " + OwnFolderLowered());
  EXPECT_EQ(session_.cat.ListBox1.Items(), kSamplePatches);
  EXPECT_EQ(session_.cat.ListBox2.Count(), 774);
  EXPECT_EQ(session_.cat.ListBox3.Count(), 0);
  for (const EntryList* list : {&session_.cat.ListBox1, &session_.cat.ListBox2, &session_.cat.ListBox3}) {
    EXPECT_FALSE(list->Selected());
  }
  EXPECT_TRUE(temp_.exists("game/Simpatch/vantrel.scan.tmp"));
  EXPECT_EQ(view_.pictures, std::vector<std::optional<std::string>>{std::nullopt});
  // The box names the working folder; nothing was picked yet.
  EXPECT_EQ(view_.Text(Control::path), "Simpatch");
  EXPECT_EQ(Edit1(), "none");
  EXPECT_TRUE(view_.messages.empty());
}

// Before the first activation, as soon as the presenter has its view.
TEST_F(PresenterTest, TheSessionsStateIsShownFromTheStart) {
  presenter_.reset();
  for (bool changing : {false, true}) {
    session_.fmdmChanging = changing;
    RecordingView fresh;
    FormPresenter presenter(session_, fresh, jobs_);
    for (Control variant : {Control::CheckBox2, Control::CheckBox3, Control::CheckBox4}) {
      EXPECT_EQ(fresh.enabled[variant], changing) << SpecOf(variant).name;
    }
    for (Control note : {Control::UnlistedPatches, Control::UnlistedActive}) {
      EXPECT_FALSE(fresh.shown[note]) << SpecOf(note).name;
    }
    EXPECT_TRUE(fresh.pictures.empty()) << "nothing is loaded before the activation";
  }
}

TEST_F(PresenterTest, OnlyTheFirstActivationScans) {
  LayNewPatchFolder(temp_);
  presenter_->Activated();
  EXPECT_EQ(session_.cat.ListBox1.Items(), kSamplePatches);
  EXPECT_EQ(view_.pictures.size(), 1u) << "Loadpatches ran again";

  presenter_->Clicked(Control::Button1);
  ASSERT_EQ(session_.cat.ListBox1.Count(), 5);
  EXPECT_EQ(session_.cat.ListBox1.At(3), "0320 New Plane");
}

TEST_F(PresenterTest, RefreshKeyRefreshesBothPatchLists) {
  LayNewPatchFolder(temp_);
  temp_.write("game/Simpatch/0601_Big Tank.aop", "Active");
  presenter_->RefreshKey();
  EXPECT_EQ(session_.cat.ListBox1.Count(), 5);
  EXPECT_EQ(session_.cat.ListBox3.Items(), std::vector<std::string>{"0601_Big Tank"});
  EXPECT_TRUE(view_.messages.empty());
}

// The engine's own messages (a shell that cannot be started) go to the view while the
// presenter lives, and nowhere once it is gone.
TEST_F(PresenterTest, TheSessionsMessagesGoToTheViewWhileThePresenterLives) {
  ASSERT_TRUE(session_.showMessage);
  session_.showMessage("Error #2 executing cmd /C 0305.bat");
  EXPECT_EQ(view_.messages, std::vector<std::string>{"Error #2 executing cmd /C 0305.bat"});
  presenter_.reset();
  EXPECT_FALSE(session_.showMessage);
}

}  // namespace
}  // namespace vantrel::testing
