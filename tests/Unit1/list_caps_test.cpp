// Lists that hold fewer entries than the folder has say how many they leave out.
#include <QLabel>
#include <QListView>
#include <QScrollBar>

#include <filesystem>

#include "Unit1/qt_text.h"
#include "samplegame/sample_game.h"
#include "window_fixture.h"

namespace vantrel::testing {
namespace {

// The sample game's four patch folders and 1096 more, and 1030 markers.
class CrowdedWindowTest : public WindowTest {
 protected:
  CrowdedWindowTest() { samplegame::LayManyPatches(Work().string(), 1096, 1, 1030, 0); }
};

TEST_F(CrowdedWindowTest, TellsUnderEachListHowManyEntriesItLeavesOut) {
  EXPECT_EQ(Shown("ListBox1").size(), 1024u);
  EXPECT_EQ(Shown("ListBox3").size(), 1025u);
  auto* patches = Find<QLabel>("UnlistedPatches");
  auto* active = Find<QLabel>("UnlistedActive");
  EXPECT_EQ(FromQt(patches->text()), "76 more not listed (at most 1024)");
  EXPECT_EQ(FromQt(active->text()), "5 more not listed (at most 1025)");
  for (QLabel* note : {patches, active}) {
    EXPECT_TRUE(note->isVisible()) << FromQt(note->objectName());
    EXPECT_LE(note->sizeHint().width(), note->width()) << "the note is cut: " << FromQt(note->text());
  }

  for (const auto& entry : std::filesystem::directory_iterator(Work())) {
    if (entry.path().extension() == ".aop") std::filesystem::remove(entry.path());
  }
  auto* activeList = Find<QListView>("ListBox3");
  ASSERT_GT(activeList->verticalScrollBar()->maximum(), 0);
  ClickButton("Button2");
  // Laid out as it was filled, not at the next paint, which would draw the window twice.
  EXPECT_EQ(activeList->verticalScrollBar()->maximum(), 0);
  EXPECT_FALSE(active->isVisible()) << "nothing is left out any more";
  EXPECT_TRUE(patches->isVisible());
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace vantrel::testing
