// Picks in the lists and what updedit makes of them: the combination, the slot list's state,
// the FM/DM controls, the preview, the readme and the slots scrolled to.
#include <filesystem>

#include "presenter_fixture.h"

namespace vantrel::testing {
namespace {

using Pictures = std::vector<std::optional<std::string>>;

TEST_F(PresenterTest, PatchAndSlotPicksFillTheCombinationPreviewAndModelControls) {
  Pick(Control::ListBox1, "031F FE2b Fighter");
  // The first slot was taken for the user.
  const std::string firstSlot = session_.cat.ListBox2.At(0);
  EXPECT_EQ(session_.cat.ListBox2.Selected(), 0);
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> " + firstSlot);
  EXPECT_EQ(view_.fromStart, std::vector<Control>{Control::Edit1});
  EXPECT_TRUE(view_.enabled[Control::ListBox2]);
  EXPECT_EQ(view_.pictures.back(), ".\\FE2b Fighter\\fe2b.jpg");
  EXPECT_TRUE(view_.checked[Control::FMDMavail]);
  EXPECT_TRUE(view_.enabled[Control::CheckBox1]);
  EXPECT_EQ(view_.hints[Control::CheckBox1], "FMparam3.dat available, FM modification possible");

  const std::string slot = SlotLine("0305");
  ASSERT_FALSE(slot.empty());
  Pick(Control::ListBox2, slot);
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> " + slot);
  EXPECT_EQ(view_.fromStart.size(), 2u);

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

TEST_F(PresenterTest, WithoutAnyPictureThePreviousOneStays) {
  std::filesystem::remove(Work() / "vantrel-files" / "aplane.jpg");
  Pick(Control::ListBox1, "031F FE2b Fighter");
  const std::size_t shown = view_.pictures.size();
  Pick(Control::ListBox1, "060E Big Tank");
  EXPECT_EQ(view_.pictures.size(), shown);
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

// The view raises for a picture it cannot decode: the handler ends there, the text is shown.
TEST_F(PresenterTest, APreviewTheViewCannotDecodeEndsUpdeditWithItsText) {
  Pick(Control::ListBox1, "0311 Camel Views");
  const Pictures before = view_.pictures;
  const auto readmes = view_.readmeToFront.size();
  view_.undecodable.insert(".\\FE2b Fighter\\fe2b.jpg");

  Pick(Control::ListBox1, "031F FE2b Fighter");
  EXPECT_EQ(view_.messages, std::vector<std::string>{"Not a JPEG file: .\\FE2b Fighter\\fe2b.jpg"});
  EXPECT_EQ(view_.pictures, before);
  EXPECT_FALSE(view_.checked[Control::FMDMavail]) << "the handler ended before marking it";
  EXPECT_EQ(view_.readmeToFront.size(), readmes) << "nor did it show the readme";
  EXPECT_EQ(Edit1().substr(0, 4), "031F") << "what came before the preview is shown";
}

TEST_F(PresenterTest, ASlotPickWithNoPatchesOnlyPicksTheSlot) {
  Pick(Control::ListBox1, "031F FE2b Fighter");
  const std::string combination = Edit1();
  const std::string hint = view_.hints[Control::CheckBox1];
  view_.Type(Control::path, "Shellpat");  // a folder without patches or model files
  presenter_->FolderTextChanged();
  ASSERT_EQ(std::filesystem::current_path(), Game() / "Shellpat");
  EXPECT_EQ(session_.cat.ListBox1.Count(), 0);
  EXPECT_EQ(session_.cat.ListBox2.Count(), 774);

  Pick(Control::ListBox2, SlotLine("0305"));
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
  EXPECT_EQ(session_.cat.ListBox2.SelectedText(), SlotLine("0305"));
  EXPECT_EQ(Edit1(), combination);
  EXPECT_TRUE(view_.checked[Control::FMDMavail]);
  // Shellpat has no model file: had updedit gone on, the hint would say so.
  EXPECT_EQ(view_.hints[Control::CheckBox1], hint);
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
  const std::size_t scrolled = view_.scrolls.size();
  Pick(Control::ListBox2, SlotLine("0320"));
  EXPECT_EQ(view_.scrolls.size(), scrolled);
  // A patch whose code no slot has scrolls nothing.
  Pick(Control::ListBox1, "0099 SpringMaps");
  EXPECT_EQ(view_.scrolls.size(), scrolled);
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
