// One patch activated through the window, its script run, then deactivated again.
#include <QAbstractButton>
#include <QLineEdit>

#include <filesystem>

#include "window_fixture.h"

namespace vantrel::testing {
namespace {

TEST_F(WindowTest, AircraftPatchRoundTripThroughTheWindow) {
  ClickEntry("ListBox1", "031F FE2b Fighter");
  ClickEntry("ListBox2", SlotLine("0305"));
  ClickButton("v");
  ASSERT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(Find<QAbstractButton>("v")->text(), "Activate this choice");
  EXPECT_TRUE(Shown("ListBox3").empty());  // the script has not run yet

  RunScript("0305.bat");
  EXPECT_TRUE(temp_.exists("game/Simpatch/0305_FE2b Fighter.aop"));
  EXPECT_EQ(temp_.read("game/Simpatch/03059000.dml"), temp_.read("game/Simpatch/FE2b Fighter/031F9000.dml"));
  SwitchAwayAndBack();  // back from the script's console: the lists stay as they were
  EXPECT_TRUE(Shown("ListBox3").empty());
  ClickButton("Button2");
  EXPECT_EQ(Shown("ListBox3"), std::vector<std::string>{"0305_FE2b Fighter"});

  ClickEntry("ListBox3", "0305_FE2b Fighter");
  EXPECT_EQ(Highlighted("ListBox3"), "0305_FE2b Fighter");
  ClickButton("Button4");
  ASSERT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(Find<QAbstractButton>("Button4")->text(), "Deactivate selected");
  RunScript("0305.bat");
  EXPECT_FALSE(temp_.exists("game/Simpatch/0305_FE2b Fighter.aop"));
  EXPECT_FALSE(temp_.exists("game/Simpatch/03059000.dml"));
  ClickButton("Button2");
  EXPECT_TRUE(Shown("ListBox3").empty());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(WindowTest, ShellThatCannotBeStartedIsReportedInABox) {
  session_.shellProgram = (Work() / "no-such-shell").string();
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0612"));
  ClickButton("v");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_.front().starts_with("Error #")) << messages_.front();
  EXPECT_TRUE(temp_.exists("game/Simpatch/0612.bat"));
  // The handler went on after the box: the caption is back.
  EXPECT_EQ(Find<QAbstractButton>("v")->text(), "Activate this choice");
}

}  // namespace
}  // namespace vantrel::testing
