// Picks in the lists and what updedit makes of them: the combination, the slot list's state,
// the FM/DM controls, the preview, the readme and the slots scrolled to.
#include <filesystem>

#include "presenter_fixture.h"

namespace vantrel::testing {
namespace {

using Pictures = std::vector<std::optional<std::string>>;

TEST_F(PresenterTest, PatchAndSlotPicksFillTheCombinationPreviewAndModelControls) {
  const std::size_t shownFromStart = view_.fromStart.size();
  Pick(Control::ListBox1, "031F FE2b Fighter");
  // No slot is taken for the user.
  EXPECT_FALSE(session_.cat.ListBox2.Selected());
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> none");
  EXPECT_EQ(view_.fromStart.size(), shownFromStart + 1);
  EXPECT_EQ(view_.fromStart.back(), Control::Edit1);
  EXPECT_TRUE(view_.enabled[Control::ListBox2]);
  EXPECT_EQ(view_.pictures.back(), ".\\FE2b Fighter\\fe2b.jpg");
  EXPECT_TRUE(view_.checked[Control::FMDMavail]);
  EXPECT_TRUE(view_.enabled[Control::CheckBox1]);
  EXPECT_EQ(view_.hints[Control::CheckBox1], "FMparam3.dat available, FM modification possible");

  const std::string slot = SlotLine("0305");
  ASSERT_FALSE(slot.empty());
  Pick(Control::ListBox2, slot);
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> " + slot);
  EXPECT_EQ(view_.fromStart.size(), shownFromStart + 2);

  const struct {
    const char* patch;
    const char* picture;
    bool ownModel;
  } kPatches[] = {
      {"0311 Camel Views", ".\\Camel Views\\camel_a.jpg", false},  // two pictures: the first the search returns
      {"060E Big Tank", "vantrel-files\\aplane.jpg", false},       // none of its own: the support folder's
      {"031F FE2b Fighter", ".\\FE2b Fighter\\fe2b.jpg", true},
  };
  for (const auto& c : kPatches) {
    Pick(Control::ListBox1, c.patch);
    EXPECT_EQ(view_.pictures.back(), c.picture) << c.patch;
    EXPECT_EQ(view_.checked[Control::FMDMavail], c.ownModel) << c.patch;
    EXPECT_EQ(Edit1(), std::string(c.patch) + " ==> " + slot) << "the slot stays picked";
  }
  EXPECT_TRUE(view_.messages.empty());
}

// The preview shows the picked patch or nothing: never the last patch's picture.
TEST_F(PresenterTest, WithoutAnyPictureThePreviewIsCleared) {
  std::filesystem::remove(Work() / "vantrel-files" / "aplane.jpg");
  Pick(Control::ListBox1, "031F FE2b Fighter");
  Pick(Control::ListBox1, "060E Big Tank");
  EXPECT_EQ(view_.pictures.back(), std::nullopt);
  EXPECT_TRUE(view_.messages.empty());
}

TEST_F(PresenterTest, AVolumePatchTakesNoSlot) {
  Pick(Control::ListBox1, "0099 SpringMaps");
  EXPECT_EQ(Edit1(), "0099 this is a RB vol-file patch...");
  EXPECT_FALSE(view_.enabled[Control::ListBox2]);
  Pick(Control::ListBox1, "060E Big Tank");
  EXPECT_TRUE(view_.enabled[Control::ListBox2]);
  EXPECT_TRUE(Edit1().starts_with("060E Big Tank ==> ")) << Edit1();
}

TEST_F(PresenterTest, ModelChangingNeedsTheWorkingFoldersModelFile) {
  std::filesystem::remove(Work() / "fmparam3.dat");
  Pick(Control::ListBox1, "031F FE2b Fighter");
  EXPECT_FALSE(view_.enabled[Control::CheckBox1]);
  EXPECT_EQ(view_.hints[Control::CheckBox1], "FMparam3.dat UNavailable, FM modification NOT possible");
  EXPECT_TRUE(view_.checked[Control::FMDMavail]);  // the patch still brings its own
}

// The view raises for a picture it cannot decode: the handler ends there with its text shown,
// the rest of the pick shown already, and no picture of the last patch left in the preview.
TEST_F(PresenterTest, APreviewTheViewCannotDecodeIsToldAndLeavesThePreviewEmpty) {
  Pick(Control::ListBox1, "0311 Camel Views");
  view_.undecodable.insert(".\\FE2b Fighter\\fe2b.jpg");

  Pick(Control::ListBox1, "031F FE2b Fighter");
  EXPECT_EQ(view_.messages, std::vector<std::string>{"Not a JPEG file: .\\FE2b Fighter\\fe2b.jpg"});
  EXPECT_EQ(view_.pictures.back(), std::nullopt);
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> none");
  EXPECT_TRUE(view_.checked[Control::FMDMavail]);
  EXPECT_EQ(view_.readme, std::nullopt) << "not Camel Views' readme";
}

// A new working folder starts with nothing of the last one's picked or shown; the slots are
// the same in every folder, and a slot picked without a patch is only a slot.
TEST_F(PresenterTest, AChangeOfFolderShowsNothingOfTheLastFoldersPatch) {
  temp_.write("game/Simpatch/FE2b Fighter/readme.txt", "FE2b notes\r\n");
  Pick(Control::ListBox1, "031F FE2b Fighter");
  Pick(Control::ListBox2, SlotLine("0305"));
  ASSERT_TRUE(view_.readme);
  view_.Type(Control::path, "Shellpat");  // a folder without patches or model files
  presenter_->FolderTextChanged();
  ASSERT_EQ(std::filesystem::current_path(), Game() / "Shellpat");
  EXPECT_EQ(session_.cat.ListBox1.Count(), 0);
  EXPECT_EQ(session_.cat.ListBox2.Count(), 774);
  EXPECT_EQ(Edit1(), "none");
  EXPECT_EQ(view_.readme, std::nullopt);
  EXPECT_EQ(view_.pictures.back(), std::nullopt);
  EXPECT_FALSE(view_.checked[Control::FMDMavail]);
  EXPECT_FALSE(view_.enabled[Control::CheckBox1]);
  EXPECT_EQ(view_.hints[Control::CheckBox1], "FMparam3.dat UNavailable, FM modification NOT possible");

  Pick(Control::ListBox2, SlotLine("0306"));
  EXPECT_EQ(session_.cat.ListBox2.SelectedText(), SlotLine("0306"));
  EXPECT_FALSE(session_.cat.ListBox1.Selected());
  EXPECT_EQ(Edit1(), "none");
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// Picking a patch brings the slots of its own object into view; picking a slot scrolls nothing.
TEST_F(PresenterTest, PickingAPatchScrollsDestinationSlotsToItsOwnCode) {
  for (const char* patch : {"060E Big Tank", "031F FE2b Fighter"}) {
    Pick(Control::ListBox1, patch);
    ASSERT_FALSE(view_.scrolls.empty());
    const auto [list, row] = view_.scrolls.back();
    EXPECT_EQ(list, Control::ListBox2);
    const std::string code = std::string(patch).substr(0, 4);
    const std::vector<std::string>& slotLines = session_.cat.ListBox2.Items();
    ASSERT_LT(row, slotLines.size());
    EXPECT_EQ(slotLines[row].substr(0, 4), code) << patch;
    for (std::size_t above = 0; above < row; ++above)
      EXPECT_NE(slotLines[above].substr(0, 4), code) << "its first slot";
  }
  // A patch whose code no slot has scrolls nothing.
  const std::size_t scrolled = view_.scrolls.size();
  Pick(Control::ListBox1, "0099 SpringMaps");
  EXPECT_EQ(view_.scrolls.size(), scrolled);
  EXPECT_TRUE(view_.keptInView.empty());
  EXPECT_TRUE(view_.messages.empty());
}

// A refresh keeps the picked patch while it is listed; once it is gone, nothing of it shows.
TEST_F(PresenterTest, ARefreshKeepsThePickedPatchAndShowsNothingOfOneThatHasGone) {
  Pick(Control::ListBox1, "031F FE2b Fighter");
  presenter_->Clicked(Control::Button1);
  EXPECT_EQ(session_.cat.ListBox1.SelectedText(), "031F FE2b Fighter");
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> none");

  std::filesystem::remove_all(Work() / "FE2b Fighter");
  presenter_->Clicked(Control::Button1);
  EXPECT_FALSE(session_.cat.ListBox1.Selected());
  EXPECT_EQ(Edit1(), "none");
  EXPECT_EQ(view_.pictures.back(), std::nullopt);
  EXPECT_FALSE(view_.checked[Control::FMDMavail]);
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// Once a slot is picked, it is the one kept in sight: a job never goes where the user cannot see.
TEST_F(PresenterTest, APickedSlotStaysInViewWhenAPatchIsPicked) {
  Pick(Control::ListBox2, SlotLine("0300"));
  const std::size_t scrolled = view_.scrolls.size();
  for (const char* patch : {"031F FE2b Fighter", "060E Big Tank"}) {
    Pick(Control::ListBox1, patch);
    ASSERT_FALSE(view_.keptInView.empty()) << patch;
    EXPECT_EQ(view_.keptInView.back(), (std::pair{Control::ListBox2, std::size_t{0}})) << patch;
  }
  EXPECT_EQ(view_.scrolls.size(), scrolled) << "not scrolled to the patch's own code";
  EXPECT_TRUE(view_.messages.empty());
}

TEST_F(PresenterTest, ThePickedPatchsReadmeIsShownAndBroughtToFrontUnlessAJobRuns) {
  temp_.write("game/Simpatch/Camel Views/a notes.txt", "not this one\r\n");
  temp_.write("game/Simpatch/Camel Views/ReadMe", "Install into any\r\nCamel slot\r\n");
  const struct {
    const char* patch;
    std::optional<std::string> text;
  } kCases[] = {
      {"060E Big Tank", "Big Tank/notes.txt\n"},               // its only .txt
      {"0311 Camel Views", "Install into any\nCamel slot\n"},  // a readme of any case before any .txt
      {"031F FE2b Fighter", std::nullopt},
  };
  for (const auto& c : kCases) {
    Pick(Control::ListBox1, c.patch);
    EXPECT_EQ(view_.readme, c.text) << c.patch;
    EXPECT_EQ(view_.readmeToFront.back(), c.text.has_value()) << c.patch;
  }
  // While a job runs its notes stay in front.
  jobs_.Start("cmd", {}, "");
  Pick(Control::ListBox1, "0311 Camel Views");
  EXPECT_EQ(view_.readme, "Install into any\nCamel slot\n");
  EXPECT_FALSE(view_.readmeToFront.back());
  EXPECT_TRUE(view_.messages.empty());
}

}  // namespace
}  // namespace vantrel::testing
