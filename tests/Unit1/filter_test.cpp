// The filter lines over Available patches and Destination slots, and the buttons' Alt-letters.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <map>

#include "window_fixture.h"

namespace vantrel::testing {
namespace {

class FilterTest : public WindowTest {
 protected:
  void Filter(const char* line, const char* text) {
    auto* filter = Find<QLineEdit>(line);
    filter->setFocus();
    filter->selectAll();
    QTest::keyClicks(filter, text);
  }
  // What the list shows with its filter: the rows not hidden, top to bottom.
  std::vector<std::string> InView(const char* listName) const {
    auto* view = Find<QListView>(listName);
    std::vector<std::string> rows;
    const std::vector<std::string> all = Shown(listName);
    for (std::size_t row = 0; row < all.size(); ++row) {
      if (!view->isRowHidden(static_cast<int>(row))) rows.push_back(all[row]);
    }
    return rows;
  }
  std::string Edit1() const { return Find<QLineEdit>("Edit1")->text().toStdString(); }
};

TEST_F(FilterTest, AFilterKeepsTheEntriesWithItsTextInCodeOrNameInAnyCase) {
  const struct {
    const char* text;
    const char* filter;
    const char* list;
    std::vector<std::string> shown;
  } kCases[] = {
      {"fe2B", "PatchFilter", "ListBox1", {"031F FE2b Fighter"}},
      {"031", "PatchFilter", "ListBox1", {"0311 Camel Views", "031F FE2b Fighter"}},
      {"zeppelin", "PatchFilter", "ListBox1", {}},
      {"HALBERSTADT", "SlotFilter", "ListBox2", {SlotLine("0305"), SlotLine("030D")}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    Filter(c.filter, c.text);
    EXPECT_EQ(InView(c.list), c.shown);
  }
  // Emptied, the line gives the whole list back; the entry lists themselves never changed.
  Filter("SlotFilter", "");
  QTest::keyClick(Find<QLineEdit>("SlotFilter"), Qt::Key_Backspace);
  EXPECT_EQ(InView("ListBox2").size(), 774u);
  EXPECT_EQ(session_.cat.ListBox1.Items().size(), 4u);
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

TEST_F(FilterTest, WhatIsPickedStaysPickedOutOfViewAndARefreshKeepsTheFilter) {
  ClickEntry("ListBox1", "031F FE2b Fighter");
  ClickEntry("ListBox2", SlotLine("0305"));
  Filter("SlotFilter", "fokker");
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> " + SlotLine("0305"));
  EXPECT_EQ(session_.cat.ListBox2.SelectedText(), SlotLine("0305"));

  // Type-ahead looks only at what is in view: "03" is the first Fokker slot, not 0300.
  auto* slotList = Find<QWidget>("ListBox2");
  slotList->setFocus();
  QTest::keyClicks(slotList, "03");
  ASSERT_FALSE(InView("ListBox2").empty());
  EXPECT_EQ(session_.cat.ListBox2.SelectedText(), InView("ListBox2").front());
  EXPECT_NE(InView("ListBox2").front(), SlotLine("0300"));

  Filter("PatchFilter", "big");
  temp_.write("game/Simpatch/Big Gun/06209000.dml", "shape\n");
  temp_.write("game/Simpatch/Small Gun/06219000.dml", "shape\n");
  ClickButton("Button1");
  EXPECT_EQ(Shown("ListBox1").size(), 6u);
  EXPECT_EQ(InView("ListBox1"), (std::vector<std::string>{"060E Big Tank", "0620 Big Gun"}));
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

// Keys that move in a list pick the entry they move to, also where the filter hides the pick:
// the entry in view is the one a job would use.
TEST_F(FilterTest, KeysThatMoveInAFilteredListPickTheEntryTheyMoveTo) {
  ClickEntry("ListBox1", "031F FE2b Fighter");
  ClickEntry("ListBox2", SlotLine("0300"));
  Filter("SlotFilter", "0305");
  ASSERT_EQ(InView("ListBox2"), std::vector<std::string>{SlotLine("0305")});
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // from the filter line into the list
  auto* slotList = Find<QWidget>("ListBox2");
  ASSERT_EQ(QApplication::focusWidget(), slotList);
  QTest::keyClick(slotList, Qt::Key_Down);
  EXPECT_EQ(session_.cat.ListBox2.SelectedText(), SlotLine("0305"));
  EXPECT_EQ(Highlighted("ListBox2"), SlotLine("0305"));
  EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> " + SlotLine("0305"));

  Filter("SlotFilter", "halberstadt");
  const std::vector<std::string> halberstadts = InView("ListBox2");
  ASSERT_GE(halberstadts.size(), 2u);
  slotList->setFocus();
  const std::pair<Qt::Key, std::string> kMoves[] = {
      {Qt::Key_End, halberstadts.back()}, {Qt::Key_Home, halberstadts.front()},
      {Qt::Key_PageDown, halberstadts.back()}, {Qt::Key_Up, halberstadts[halberstadts.size() - 2]}};
  for (const auto& [key, picked] : kMoves) {
    QTest::keyClick(slotList, key);
    EXPECT_EQ(session_.cat.ListBox2.SelectedText(), picked) << key;
    EXPECT_EQ(Edit1(), "031F FE2b Fighter ==> " + picked) << key;
  }
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

TEST_F(FilterTest, KeysOfTheFilterLines) {
  // Ctrl+F goes to the filter of the list in use; Down or Return on into the list.
  Find<QWidget>("ListBox2")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("SlotFilter"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("ListBox2"));
  Find<QWidget>("ListBox1")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("PatchFilter"));
  // Escape empties the line.
  QTest::keyClicks(QApplication::focusWidget(), "camel");
  EXPECT_EQ(InView("ListBox1").size(), 1u);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(Find<QLineEdit>("PatchFilter")->text().isEmpty());
  EXPECT_EQ(InView("ListBox1").size(), 4u);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("ListBox1"));
  EXPECT_TRUE(std::filesystem::exists(Work() / "vantrel.scan.tmp"));  // nothing ran but the scan
  EXPECT_FALSE(std::filesystem::exists(Work() / "0305.bat"));
}

// Each button answers its own Alt-letter, and no two controls share one.
TEST_F(FilterTest, AltLettersPressTheirButtons) {
  std::map<QChar, std::string> letters;
  for (QAbstractButton* button : form_->findChildren<QAbstractButton*>()) {
    const QString text = button->text();
    const qsizetype at = text.indexOf('&');
    if (at < 0 || at + 1 >= text.size()) continue;
    const QChar letter = text[at + 1].toLower();
    EXPECT_TRUE(letters.emplace(letter, button->objectName().toStdString()).second)
        << "Alt+" << QString(letter).toStdString() << " twice: " << letters[letter] << ", "
        << button->objectName().toStdString();
  }
  for (const char* name : {"Button1", "Button2", "v", "Button4"}) {
    EXPECT_NE(Find<QAbstractButton>(name)->text().indexOf('&'), -1) << name << " has no Alt-letter";
  }

  // A button pressed by its letter clicks a moment later, as it shows itself pressed.
  const auto press = [&](Qt::Key letter, const std::function<bool()>& done) {
    QWidget* list = Find<QWidget>("ListBox2");
    list->setFocus();
    QTest::keyClick(list, letter, Qt::AltModifier);
    return QTest::qWaitFor(done, 2000);
  };
  temp_.write("game/Simpatch/New Plane/03209000.dml", "shape\n");
  temp_.write("game/Simpatch/0601_Big Tank.aop", "Active");
  EXPECT_TRUE(press(Qt::Key_P, [&] { return Shown("ListBox1").size() == 5; }));
  EXPECT_TRUE(press(Qt::Key_T, [&] { return Shown("ListBox3") == std::vector<std::string>{"0601_Big Tank"}; }));
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0612"));
  EXPECT_TRUE(press(Qt::Key_A, [&] { return std::filesystem::exists(Work() / "0612.bat"); }));
  ClickEntry("ListBox3", "0601_Big Tank");
  EXPECT_TRUE(press(Qt::Key_D, [&] { return std::filesystem::exists(Work() / "0601.bat"); }));
  // The shell here runs no script: the install is undone as soon as its job ends, and a box
  // says so.
  ASSERT_FALSE(messages_.empty());
  EXPECT_TRUE(messages_.front().starts_with("The patch was not installed: not in place after 0612.bat"))
      << messages_.front();
  EXPECT_FALSE(std::filesystem::exists(Work() / "vantrel-files" / "ledger" / "0612_Big Tank.txt"));
}

// After its first use the button reads "Deactivate selected"; its Alt-letter stays, use after use.
TEST_F(FilterTest, AltDDeactivatesEveryTime) {
  temp_.write("game/Simpatch/0601_Big Tank.aop", "Active");
  temp_.write("game/Simpatch/0305_Camel Views.aop", "Active");
  ClickButton("Button2");
  auto* button = Find<QAbstractButton>("Button4");
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  for (const char* entry : {"0601_Big Tank", "0305_Camel Views", "0601_Big Tank"}) {
    SCOPED_TRACE(entry);
    ClickEntry("ListBox3", entry);
    const int before = static_cast<int>(clicks.count());
    QTest::keyClick(Find<QWidget>("ListBox3"), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == before + 1; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Find<QLabel>("JobOutcome")->text().startsWith("Running"); }, 5000));
    EXPECT_EQ(Caption("Button4"), "Deactivate selected");
  }
}

}  // namespace
}  // namespace vantrel::testing
