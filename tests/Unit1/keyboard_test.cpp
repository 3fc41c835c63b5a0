// The window by keyboard: shortcuts, Enter and Delete in the lists, type-ahead, tab order.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "window/type_ahead.h"
#include "window_fixture.h"

namespace vantrel::testing {
namespace {

class KeyboardTest : public WindowTest {
 protected:
  void Type(const char* listName, const char* keys) {
    QWidget* list = Find<QWidget>(listName);
    list->setFocus();
    QTest::keyClicks(list, keys);
  }
  std::string Edit1() const { return Find<QLineEdit>("Edit1")->text().toStdString(); }
};

TEST_F(KeyboardTest, F5RefreshesBothPatchLists) {
  temp_.write("game/Simpatch/New Plane/03209000.dml", "shape\n");
  temp_.write("game/Simpatch/0601_Big Tank.aop", "Active");
  QTest::keyClick(Find<QWidget>("ListBox2"), Qt::Key_F5);
  EXPECT_EQ(Shown("ListBox1").size(), 5u);
  EXPECT_EQ(Shown("ListBox3"), std::vector<std::string>{"0601_Big Tank"});
  EXPECT_TRUE(messages_.empty());
}

TEST_F(KeyboardTest, CtrlQClosesTheWindow) {
  ASSERT_TRUE(form_->isVisible());
  QTest::keyClick(Find<QWidget>("ListBox1"), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(form_->isVisible());
}

// Each key runs the job its button would, on what is picked.
TEST_F(KeyboardTest, EnterActivatesAndEnterOrDeleteInActivePatchesDeactivates) {
  const struct {
    const char* list;
    Qt::Key key;
    const char* script;
  } kCases[] = {
      {"ListBox1", Qt::Key_Return, "0612.bat"}, {"ListBox2", Qt::Key_Enter, "0612.bat"},
      {"ListBox3", Qt::Key_Return, "0601.bat"}, {"ListBox3", Qt::Key_Delete, "0601.bat"},
      {"ListBox2", Qt::Key_Delete, nullptr},  // Delete only removes an active patch
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.list) + " " + std::to_string(c.key));
    form_.reset();
    // As before the last case's job, which went with its window before it ran.
    for (const char* script : {"0612.bat", "0601.bat"}) std::filesystem::remove(Work() / script);
    std::filesystem::remove_all(Work() / "vantrel-files" / "ledger");
    temp_.write("game/Simpatch/0601_Big Tank.aop", "Active");
    SetUp();
    ClickEntry("ListBox1", "060E Big Tank");
    ClickEntry("ListBox2", SlotLine("0612"));
    ClickEntry("ListBox3", "0601_Big Tank");
    QTest::keyClick(Find<QWidget>(c.list), c.key);
    for (const char* script : {"0612.bat", "0601.bat"}) {
      const bool wanted = c.script && std::string(c.script) == script;
      EXPECT_EQ(std::filesystem::exists(Work() / script), wanted) << script;
    }
    EXPECT_TRUE(messages_.empty()) << messages_.front();
  }
}

TEST_F(KeyboardTest, TypingACodePicksItsEntryAsAClickWould) {
  ClickEntry("ListBox1", "0311 Camel Views");
  Type("ListBox1", "031f");
  EXPECT_EQ(Highlighted("ListBox1"), "031F FE2b Fighter");
  EXPECT_EQ(session_.cat.ListBox1.SelectedText(), "031F FE2b Fighter");
  ASSERT_FALSE(SlotLine("0305").empty());
  Type("ListBox2", "0305");
  EXPECT_EQ(session_.cat.ListBox2.SelectedText(), SlotLine("0305"));
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> " + SlotLine("0305"));  // updedit ran

  // After a pause, typing starts a new search.
  QTest::qWait(TypeAhead::kPause + 100);
  const std::string first = Shown("ListBox2").front();
  Type("ListBox2", first.substr(0, 4).c_str());
  EXPECT_EQ(session_.cat.ListBox2.SelectedText(), first);

  temp_.write("game/Simpatch/0601_Big Tank.aop", "Active");
  temp_.write("game/Simpatch/0612_Big Tank.aop", "Active");
  ClickButton("Button2");
  Type("ListBox3", "0612");
  EXPECT_EQ(Highlighted("ListBox3"), "0612_Big Tank");
  Type("ListBox3", "x");  // no entry starts so: the pick stays
  EXPECT_EQ(Highlighted("ListBox3"), "0612_Big Tank");
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

TEST_F(KeyboardTest, TabGoesFromTheFolderBoxThroughTheListsToTheJobs) {
  temp_.write("game/Simpatch/0601_Big Tank.aop", "Active");
  ClickButton("Button2");
  Find<QWidget>("path")->setFocus();
  std::vector<std::string> order;
  for (int i = 0; i < 19; ++i) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    // The folder box's edit line stands for the box, the tab bar for the notes.
    QWidget* parent = focus->parentWidget();
    const bool part = parent && (parent->objectName() == "path" || parent->objectName() == "Notes");
    QWidget* control = part ? parent : focus;
    order.push_back(control->objectName().toStdString());
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  const std::vector<std::string> expected = {"path",      "Game",     "Button1",  "AddArchive", "Button2",    "PatchFilter",
                                             "ListBox1",  "SlotFilter", "ListBox2", "ListBox3",   "Edit1",      "CheckBox1",
                                             "v",         "Button4",  "UndoJob",    "RestoreGame", "PatchSets",  "ScrollBox1",
                                             "Notes"};
  EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace vantrel::testing
