// The FM/DM controls and the working-folder box.
#include <array>
#include <filesystem>

#include "presenter_fixture.h"

namespace vantrel::testing {
namespace {

using Flags = std::array<bool, 3>;
constexpr Control kVariants[] = {Control::CheckBox2, Control::CheckBox3, Control::CheckBox4};

TEST_F(PresenterTest, ModelCheckBoxesFlipTheirFlagsAndTheFirstEnablesTheOthers) {
  presenter_->Clicked(Control::CheckBox1);
  EXPECT_TRUE(session_.fmdmChanging);
  for (Control variant : kVariants) EXPECT_TRUE(view_.enabled[variant]) << SpecOf(variant).name;
  presenter_->Clicked(Control::CheckBox2);
  presenter_->Clicked(Control::CheckBox4);
  EXPECT_EQ(session_.fmVariantFlags, (Flags{true, false, true}));
  presenter_->Clicked(Control::CheckBox3);
  presenter_->Clicked(Control::CheckBox3);
  EXPECT_EQ(session_.fmVariantFlags, (Flags{true, false, true}));

  presenter_->Clicked(Control::CheckBox1);
  EXPECT_FALSE(session_.fmdmChanging);
  for (Control variant : kVariants) EXPECT_FALSE(view_.enabled[variant]) << SpecOf(variant).name;
  EXPECT_EQ(session_.fmVariantFlags, (Flags{true, false, true})) << "their flags stay as they were";
  // The flag is flipped, not read from the check marks, which the presenter leaves alone.
  for (Control box : {Control::CheckBox1, Control::CheckBox2, Control::CheckBox3, Control::CheckBox4}) {
    EXPECT_FALSE(view_.checked[box]) << SpecOf(box).name;
  }
  EXPECT_TRUE(view_.messages.empty());
}

TEST_F(PresenterTest, TheOwnModelButtonShowsOnlyWhatThePatchHas) {
  view_.SetChecked(Control::FMDMavail, true);
  presenter_->Clicked(Control::FMDMavail);
  EXPECT_FALSE(view_.checked[Control::FMDMavail]) << "no patch picked";
  EXPECT_FALSE(session_.cat.ListBox1.Selected()) << "nor one picked for the user";
  const struct {
    const char* patch;
    bool marked;
  } kCases[] = {{"060E Big Tank", false}, {"031F FE2b Fighter", true}};
  for (const auto& c : kCases) {
    Pick(Control::ListBox1, c.patch);
    view_.SetChecked(Control::FMDMavail, !c.marked);  // what a click on the button did to it
    presenter_->Clicked(Control::FMDMavail);
    EXPECT_EQ(view_.checked[Control::FMDMavail], c.marked) << c.patch;
  }
  EXPECT_TRUE(view_.messages.empty());
}

TEST_F(PresenterTest, ATypedFolderNameChangesTheFolderAtItsLastLetter) {
  const std::string name = "Multi";
  for (std::size_t i = 1; i <= name.size(); ++i) {
    view_.Type(Control::path, name.substr(0, i));
    presenter_->FolderTextChanged();
    EXPECT_EQ(std::filesystem::current_path(), i == name.size() ? Game() / "Multi" : Work()) << name.substr(0, i);
  }
  EXPECT_EQ(view_.title, "Vantrel :  Multi");
  EXPECT_EQ(view_.Text(Control::path), "Multi");
  EXPECT_EQ(session_.cat.ListBox1.Count(), 0);
  EXPECT_EQ(session_.cat.ListBox2.Count(), 774);
  EXPECT_TRUE(temp_.exists("game/Multi/vantrel.scan.tmp"));
  EXPECT_EQ(view_.pictures.back(), std::nullopt) << "Loadpatches cleared the preview";

  // The four names are siblings of the folder the last choice made current.
  view_.Type(Control::path, "Simpatch");
  presenter_->FolderTextChanged();
  EXPECT_EQ(std::filesystem::current_path(), Work());
  EXPECT_EQ(session_.cat.ListBox1.Count(), 4);
  EXPECT_TRUE(view_.messages.empty());
}

TEST_F(PresenterTest, AFolderBoxTextThatIsNoPlainNameKeepsTheWorkingFolder) {
  // Each but the first names a folder that is there: the game's folder, its parent, or a
  // sibling by a path.
  for (const char* text :
       {"", ".", "..", "Simpatch\\..", "Multi\\..\\Multi", "Multi/../Multi", "../Multi", "No Such Folder"}) {
    view_.Type(Control::path, text);
    presenter_->FolderTextChanged();
    EXPECT_EQ(std::filesystem::current_path(), Work()) << text;
  }
  EXPECT_EQ(view_.title.substr(0, 10), "Vantrel : ") << "no folder change named one";
  EXPECT_NE(view_.title.substr(0, 11), "Vantrel :  ");
  EXPECT_TRUE(view_.messages.empty());
}

// A sibling that is none of the game's working folders is refused with its reason, and the
// box keeps the text for another try; one that holds what a working folder holds is taken.
TEST_F(PresenterTest, ASiblingThatIsNoWorkingFolderIsRefusedWithItsReason) {
  temp_.write("game/Saves/save1.dat", "x");
  temp_.write("game/Mine/Big Tank/060E9000.dml", "shape\n");
  const std::string title = view_.title;
  view_.Type(Control::path, "Saves");
  presenter_->FolderTextChanged();
  EXPECT_EQ(std::filesystem::current_path(), Work());
  EXPECT_EQ(view_.title, title);
  EXPECT_EQ(view_.Text(Control::path), "Saves");
  EXPECT_EQ(session_.cat.ListBox1.Count(), 4) << "the lists still show the working folder";
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_TRUE(view_.messages[0].starts_with("Saves is not a working folder of the game: it is none of"))
      << view_.messages[0];
  EXPECT_FALSE(temp_.exists("game/Saves/vantrel.scan.tmp"));

  view_.messages.clear();
  view_.Type(Control::path, "Mine");
  presenter_->FolderTextChanged();
  EXPECT_EQ(std::filesystem::current_path(), Game() / "Mine");
  EXPECT_EQ(view_.title, "Vantrel :  Mine");
  EXPECT_EQ(session_.cat.ListBox1.Items(), std::vector<std::string>{"060E Big Tank"});
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

// A sibling that cannot be looked at is a failure told as one, and the folder stays.
TEST_F(PresenterTest, ASiblingThatCannotBeLookedAtIsAFailure) {
  temp_.mkdir("game/Saves");
  std::error_code ec;
  std::filesystem::create_symlink("loop", Game() / "Saves" / "loop", ec);
  if (ec) GTEST_SKIP() << "no symbolic link can be made here: " << ec.message();
  view_.Type(Control::path, "Saves");
  presenter_->FolderTextChanged();
  EXPECT_EQ(std::filesystem::current_path(), Work());
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].find("not a working folder"), std::string::npos) << view_.messages[0];
}

}  // namespace
}  // namespace vantrel::testing
