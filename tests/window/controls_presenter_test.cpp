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

}  // namespace
}  // namespace vantrel::testing
