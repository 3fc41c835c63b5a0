// The FM/DM controls, the working-folder combo box and the activation button's guard.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

#include "Unit1/qt_text.h"
#include "window_fixture.h"

namespace vantrel::testing {
namespace {

using Flags = std::array<bool, 3>;

TEST_F(WindowTest, ModelCheckBoxesFlipTheirFlags) {
  auto* enable = Find<QCheckBox>("CheckBox1");
  const std::array<QCheckBox*, 3> variants = {Find<QCheckBox>("CheckBox2"), Find<QCheckBox>("CheckBox3"),
                                              Find<QCheckBox>("CheckBox4")};
  for (QCheckBox* box : variants) EXPECT_FALSE(box->isEnabled());

  ClickButton("CheckBox1");
  EXPECT_TRUE(session_.fmdmChanging);
  for (QCheckBox* box : variants) EXPECT_TRUE(box->isEnabled());
  ClickButton("CheckBox2");
  ClickButton("CheckBox4");
  EXPECT_EQ(session_.fmVariantFlags, (Flags{true, false, true}));

  ClickButton("CheckBox1");
  EXPECT_FALSE(session_.fmdmChanging);
  for (QCheckBox* box : variants) EXPECT_FALSE(box->isEnabled());
  EXPECT_EQ(session_.fmVariantFlags, (Flags{true, false, true}));
  EXPECT_TRUE(variants[0]->isChecked());

  // The flag is flipped, whatever the check mark says.
  enable->setChecked(true);
  ClickButton("CheckBox1");
  EXPECT_FALSE(enable->isChecked());
  EXPECT_TRUE(session_.fmdmChanging);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(WindowTest, OwnModelButtonShowsOnlyWhatThePatchHas) {
  auto* own = Find<QRadioButton>("FMDMavail");
  ClickEntry("ListBox1", "060E Big Tank");
  ClickButton("FMDMavail");
  EXPECT_FALSE(own->isChecked());
  ClickEntry("ListBox1", "031F FE2b Fighter");
  ClickButton("FMDMavail");
  EXPECT_TRUE(own->isChecked());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(WindowTest, TypedFolderNameChangesTheFolderAtItsLastLetter) {
  QLineEdit* typed = Find<QComboBox>("path")->lineEdit();
  typed->selectAll();
  const std::string name = "Multi";
  for (std::size_t i = 0; i < name.size(); ++i) {
    QTest::keyClick(typed, name[i]);
    ASSERT_EQ(FromQt(typed->text()), name.substr(0, i + 1));
    const bool complete = i + 1 == name.size();
    EXPECT_EQ(std::filesystem::current_path(), complete ? Game() / "Multi" : Work()) << typed->text().toStdString();
  }
  EXPECT_EQ(FromQt(form_->windowTitle()), "Vantrel :  Multi");
  EXPECT_TRUE(Shown("ListBox1").empty());
  EXPECT_EQ(Shown("ListBox2").size(), 774u);
  EXPECT_TRUE(temp_.exists("game/Multi/vantrel.scan.tmp"));
  EXPECT_TRUE(messages_.empty());
}

// A button's "Working......" would claim a job still running when its handler has ended.
TEST_F(WindowTest, AJobThatFailsPutsItsButtonsCaptionBack) {
  temp_.write("game/Simpatch/0601_Big Tank.aop", "Active");
  temp_.mkdir("game/Simpatch/0601.bat");  // a folder where both job scripts go: denied even for root
  ClickButton("Button2");
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0601"));
  ClickEntry("ListBox3", "0601_Big Tank");
  const struct {
    const char* button;
    const char* caption;
  } kJobs[] = {{"v", "Activate this choice"}, {"Button4", "Deactivate Selected"}};
  for (const auto& job : kJobs) {
    messages_.clear();
    ClickButton(job.button);
    ASSERT_EQ(messages_.size(), 1u) << job.button;
    EXPECT_TRUE(messages_[0].starts_with("File access denied")) << messages_[0];
    EXPECT_EQ(Caption(job.button), job.caption);
  }
}

}  // namespace
}  // namespace vantrel::testing
