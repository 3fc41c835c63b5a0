// Picks in the lists, by mouse and keyboard, and what updedit makes of them.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QCheckBox>
#include <QTest>

#include <algorithm>
#include <filesystem>

#include "Unit1/entry_list_view.h"
#include "Unit1/qt_text.h"
#include "samplegame/picture.h"
#include "samplegame/sample_game.h"
#include "window_fixture.h"

namespace vantrel::testing {
namespace {

QSize SizeOf(const samplegame::SamplePicture& picture) { return {picture.look.width, picture.look.height}; }

class SelectionTest : public WindowTest {
 protected:
  std::string Edit1() const { return FromQt(Find<QLineEdit>("Edit1")->text()); }
  QPixmap Preview() const { return Find<QLabel>("Image")->pixmap(); }
  bool OwnModelMarked() const { return Find<QRadioButton>("FMDMavail")->isChecked(); }
};

TEST_F(SelectionTest, PatchAndSlotClicksFillTheCombinationPreviewAndModelControls) {
  ClickEntry("ListBox1", "031F FE2b Fighter");
  // No slot is taken for the user.
  EXPECT_EQ(Highlighted("ListBox1"), "031F FE2b Fighter");
  EXPECT_EQ(Highlighted("ListBox2"), "");
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> none");
  EXPECT_EQ(Preview().size(), SizeOf(samplegame::kAircraftPreview));
  EXPECT_EQ(Find<QLabel>("Image")->size(), SizeOf(samplegame::kAircraftPreview));
  EXPECT_TRUE(OwnModelMarked());
  auto* enable = Find<QCheckBox>("CheckBox1");
  EXPECT_TRUE(enable->isEnabled());
  EXPECT_EQ(enable->toolTip(), "FMparam3.dat available, FM modification possible");

  const std::string slot = SlotLine("0305");
  ASSERT_FALSE(slot.empty());
  ClickEntry("ListBox2", slot);
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> " + slot);
  EXPECT_EQ(session_.cat.ListBox2.SelectedText(), slot);

  ClickEntry("ListBox1", "0311 Camel Views");  // two pictures: the first the search returns
  EXPECT_EQ(Preview().size(), SizeOf(samplegame::kFirstCamelPreview));
  EXPECT_FALSE(OwnModelMarked());
  ClickEntry("ListBox1", "060E Big Tank");  // none of its own: the support folder's
  EXPECT_EQ(Preview().size(), SizeOf(samplegame::kDefaultPreview));
  EXPECT_EQ(Edit1(), "060E Big Tank ==> " + slot);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(SelectionTest, KeysPickLikeClicksAndProgramSelectionsRaiseNothing) {
  ClickEntry("ListBox1", "0311 Camel Views");
  QTest::keyClick(Find<QListView>("ListBox1"), Qt::Key_Down);
  EXPECT_EQ(session_.cat.ListBox1.Selected(), 2);
  EXPECT_TRUE(Edit1().starts_with("031F FE2b Fighter ==> ")) << Edit1();
  EXPECT_TRUE(OwnModelMarked());

  session_.cat.ListBox1.Select(3);
  EXPECT_EQ(Highlighted("ListBox1"), "060E Big Tank");
  EXPECT_TRUE(Edit1().starts_with("031F FE2b Fighter ==> ")) << Edit1();
  EXPECT_TRUE(OwnModelMarked());

  // A key that moves nothing picks nothing.
  QTest::keyClick(Find<QListView>("ListBox1"), Qt::Key_End);
  QTest::keyClick(Find<QListView>("ListBox1"), Qt::Key_Down);
  EXPECT_EQ(session_.cat.ListBox1.Selected(), 3);
  EXPECT_TRUE(Edit1().starts_with("031F FE2b Fighter ==> ")) << Edit1();
}

TEST_F(SelectionTest, VolumePatchTakesNoSlot) {
  ClickEntry("ListBox1", "0099 SpringMaps");
  EXPECT_EQ(Edit1(), "0099 this is a RB vol-file patch...");
  auto* slotList = Find<QListView>("ListBox2");
  EXPECT_FALSE(slotList->isEnabled());
  ClickEntry("ListBox2", SlotLine("0305"));
  EXPECT_FALSE(session_.cat.ListBox2.Selected());
  EXPECT_EQ(Edit1(), "0099 this is a RB vol-file patch...");

  ClickEntry("ListBox1", "060E Big Tank");
  EXPECT_TRUE(slotList->isEnabled());
}

// The preview never shows the last patch's picture for the one picked now, nor the scroll
// bars of a picture larger than its box.
TEST_F(SelectionTest, PreviewThatCannotBeDecodedIsToldAndLeavesThePreviewEmpty) {
  const auto* box = Find<QScrollArea>("ScrollBox1");
  const auto scrolls = [box] { return box->horizontalScrollBar()->isVisible() || box->verticalScrollBar()->isVisible(); };
  EXPECT_FALSE(scrolls()) << "nothing to scroll before a patch is picked";
  samplegame::WriteJpeg(Work() / "Camel Views" / "a_large.jpg", {900, 700, false, {40, 140, 60}, {250, 250, 250}, 20});
  ClickEntry("ListBox1", "0311 Camel Views");
  ASSERT_EQ(Preview().size(), QSize(900, 700));
  ASSERT_TRUE(QTest::qWaitFor(scrolls, 2000));
  temp_.write("game/Simpatch/FE2b Fighter/a_broken.jpg", "not a picture at all");  // found before fe2b.jpg

  ClickEntry("ListBox1", "031F FE2b Fighter");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(Preview().isNull());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !scrolls(); }, 2000));
  EXPECT_TRUE(OwnModelMarked());  // shown before the preview
}

// A folder picked from the box by a key reaches the presenter as a typed one does: the box
// names Simpatch, the next is Shellpat.
TEST_F(SelectionTest, AFolderPickedFromTheBoxByAKeyBecomesTheWorkingFolder) {
  ClickEntry("ListBox1", "031F FE2b Fighter");  // as in use, after a pick elsewhere in the window
  auto* path = Find<QComboBox>("path");
  ASSERT_EQ(path->currentText(), "Simpatch");
  QTest::keyClick(path, Qt::Key_Down);
  ASSERT_EQ(path->currentText(), "Shellpat");
  EXPECT_EQ(std::filesystem::current_path(), Game() / "Shellpat");
  EXPECT_EQ(FromQt(form_->windowTitle()), "Vantrel :  Shellpat");
  EXPECT_TRUE(Shown("ListBox1").empty());
  EXPECT_EQ(Shown("ListBox2").size(), 774u);
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace vantrel::testing

namespace vantrel::testing {
namespace {

// Picking a patch brings the slots of its own object into view; picking a slot scrolls nothing.
TEST_F(SelectionTest, PickingAPatchScrollsDestinationSlotsToItsOwnCode) {
  auto* slotList = Find<QListView>("ListBox2");
  const auto topRow = [&] { return FromQt(slotList->indexAt(QPoint(2, 2)).data().toString()); };
  for (const char* patch : {"060E Big Tank", "031F FE2b Fighter"}) {
    ClickEntry("ListBox1", patch);
    EXPECT_EQ(topRow().substr(0, 4), std::string(patch).substr(0, 4)) << patch;
  }
  const std::string top = topRow();
  ClickEntry("ListBox2", SlotLine("0320"));
  EXPECT_EQ(topRow(), top);
  EXPECT_TRUE(messages_.empty());
}

// A picked slot scrolled out of sight comes back into view, still marked, when a patch is
// picked: the slot a job would go to is never hidden.
TEST_F(SelectionTest, APickedSlotComesBackIntoViewWhenAPatchIsPicked) {
  auto* slotList = Find<QListView>("ListBox2");
  const auto inSight = [&](const std::string& line) {
    const auto rows = Shown("ListBox2");
    const auto row = static_cast<int>(std::find(rows.begin(), rows.end(), line) - rows.begin());
    return slotList->viewport()->rect().contains(slotList->visualRect(slotList->model()->index(row, 0)));
  };
  ClickEntry("ListBox2", SlotLine("0300"));
  slotList->scrollToBottom();
  ASSERT_FALSE(inSight(SlotLine("0300")));
  ClickEntry("ListBox1", "031F FE2b Fighter");
  EXPECT_TRUE(inSight(SlotLine("0300")));
  EXPECT_EQ(Highlighted("ListBox2"), SlotLine("0300"));
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> " + SlotLine("0300"));
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace vantrel::testing
