// The window at its reference size, grown, on a small screen, and back where it was left.
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

#include "window_fixture.h"

namespace vantrel::testing {
namespace {

class WindowSizeTest : public WindowTest {
 protected:
  // The control's place in the window, whatever holds it.
  QRect PlaceOf(const char* name) const {
    auto* control = Find<QWidget>(name);
    return {control->mapTo(form_.get(), QPoint(0, 0)), control->size()};
  }
  // A window opened anew, as at the next start of the program.
  void Reopen() {
    form_.reset();
    SetUp();
  }
  QSize Frame() const { return form_->frameGeometry().size() - form_->size(); }
  QSize ReferenceClientSize() const { return QSize(875, 868) - Frame(); }
};

TEST_F(WindowSizeTest, AtTheReferenceSizeTheControlsAreAtTheirReferencePlaces) {
  const struct {
    const char* name;
    QRect place;
  } kControls[] = {
      {"path", {136, 16, 185, 21}},        {"Button1", {64, 48, 169, 33}},   {"Button2", {616, 48, 153, 33}},
      {"PatchFilter", {48, 108, 201, 21}}, {"SlotFilter", {304, 108, 217, 21}},
      {"ListBox1", {48, 132, 201, 245}},   {"ListBox2", {304, 132, 217, 245}}, {"ListBox3", {608, 112, 177, 265}},
      {"FMDMavail", {40, 392, 217, 17}},   {"Edit1", {304, 408, 241, 21}},   {"CheckBox4", {304, 512, 169, 17}},
      {"v", {336, 536, 169, 49}},          {"Button4", {632, 536, 145, 49}}, {"ScrollBox1", {40, 592, 309, 169}},
  };
  for (const auto& control : kControls) EXPECT_EQ(PlaceOf(control.name), control.place) << control.name;
  EXPECT_EQ(form_->size(), ReferenceClientSize());
  EXPECT_FALSE(Find<QScrollArea>("WindowScroller")->verticalScrollBar()->isVisible());
}

TEST_F(WindowSizeTest, GrowingGivesTheRoomToTheListsPreviewAndNotes) {
  const QRect list1 = PlaceOf("ListBox1"), list2 = PlaceOf("ListBox2"), list3 = PlaceOf("ListBox3");
  const QRect activate = PlaceOf("v"), preview = PlaceOf("ScrollBox1"), notes = PlaceOf("Notes");
  form_->resize(form_->size() + QSize(300, 200));
  QCoreApplication::processEvents();

  EXPECT_EQ(PlaceOf("ListBox1").width() + PlaceOf("ListBox2").width() + PlaceOf("ListBox3").width(),
            list1.width() + list2.width() + list3.width() + 300);
  EXPECT_EQ(PlaceOf("ListBox1").height(), list1.height() + 200);
  EXPECT_EQ(PlaceOf("ListBox2").height(), list2.height() + 200);
  EXPECT_EQ(PlaceOf("ListBox3").height(), list3.height() + 200);
  // A filter line stays over its list, as wide as it.
  for (auto [filter, list] : {std::pair{"PatchFilter", "ListBox1"}, {"SlotFilter", "ListBox2"}}) {
    EXPECT_EQ(PlaceOf(filter).left(), PlaceOf(list).left()) << filter;
    EXPECT_EQ(PlaceOf(filter).width(), PlaceOf(list).width()) << filter;
    EXPECT_LT(PlaceOf(filter).bottom(), PlaceOf(list).top()) << filter;
  }
  // The gaps between the lists stay as they were.
  EXPECT_EQ(PlaceOf("ListBox2").left() - PlaceOf("ListBox1").right(), list2.left() - list1.right());
  EXPECT_EQ(PlaceOf("ListBox3").left() - PlaceOf("ListBox2").right(), list3.left() - list2.right());
  EXPECT_EQ(PlaceOf("v").top(), activate.top() + 200);
  EXPECT_GT(PlaceOf("ScrollBox1").width(), preview.width());
  EXPECT_GT(PlaceOf("Notes").width(), notes.width());
  EXPECT_EQ(PlaceOf("Notes").top(), notes.top() + 200);
  EXPECT_LE(PlaceOf("JobLog").right(), form_->width());
  EXPECT_FALSE(Find<QScrollArea>("WindowScroller")->verticalScrollBar()->isVisible());
}

// A laptop's screen: the lists give up their height first, then the preview and the notes,
// and every control stays in view with no scrolling; no lower than that, nor narrower than
// its margin, lists and panels can shrink.
TEST_F(WindowSizeTest, ALowerWindowShrinksItsListsThenItsPanelsAndScrollsNothing) {
  const struct {
    int lower;
    int lists, panels;
  } kCases[] = {{100, 100, 0}, {143, 143, 0}, {180, 143, 37}, {203, 143, 60}};
  auto* scroller = Find<QScrollArea>("WindowScroller");
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.lower);
    form_->resize(ReferenceClientSize() - QSize(0, c.lower));
    QCoreApplication::processEvents();
    EXPECT_EQ(PlaceOf("ListBox1"), QRect(48, 132, 201, 245 - c.lists));
    EXPECT_EQ(PlaceOf("ListBox3"), QRect(608, 112, 177, 265 - c.lists));
    EXPECT_EQ(PlaceOf("Button4"), QRect(632, 536 - c.lists, 145, 49));
    EXPECT_EQ(PlaceOf("Notes"), QRect(368, 592 - c.lists, 490, 140 - c.panels));
    EXPECT_EQ(PlaceOf("JobOutcome").top(), 770 - c.lists - c.panels);
    EXPECT_FALSE(scroller->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible());
    for (QWidget* control : Find<QWidget>("WindowContent")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QRect place(control->mapTo(form_.get(), QPoint(0, 0)), control->size());
      EXPECT_TRUE(form_->rect().contains(place)) << control->objectName().toStdString();
    }
  }
  form_->resize(400, 300);
  EXPECT_EQ(form_->size(), QSize(875 - 264, 868 - 203) - Frame());
}

// A narrow screen (1280 wide at a scale of 2): the margin and the lists give up width, and
// below them the preview and the notes; the controls stay apart, the job's row among them, and
// nothing needs scrolling sideways.
TEST_F(WindowSizeTest, ANarrowerWindowShrinksItsListsAndPanelsApartAndScrollsNothingSideways) {
  auto* content = Find<QWidget>("WindowContent");
  std::vector<std::pair<QWidget*, QRect>> reference;
  for (QWidget* control : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    reference.emplace_back(control, control->geometry());
  }
  for (const int narrower : {100, 264}) {
    SCOPED_TRACE(narrower);
    form_->resize(ReferenceClientSize() - QSize(narrower, 0));
    QCoreApplication::processEvents();
    EXPECT_LT(PlaceOf("ListBox2").width(), 217);
    EXPECT_LT(PlaceOf("ScrollBox1").width(), 309);
    EXPECT_FALSE(Find<QScrollArea>("WindowScroller")->horizontalScrollBar()->isVisible());
    for (std::size_t i = 0; i < reference.size(); ++i) {
      const auto& [control, was] = reference[i];
      const std::string name = control->objectName().toStdString();
      EXPECT_LE(control->geometry().right(), form_->width()) << name;
      for (std::size_t j = 0; j < i; ++j) {
        if (was.intersects(reference[j].second)) continue;
        EXPECT_FALSE(control->geometry().intersects(reference[j].first->geometry()))
            << name << " / " << reference[j].first->objectName().toStdString();
      }
    }
  }
}

TEST_F(WindowSizeTest, ItOpensWhereItWasLeftAtTheSizeItWasLeft) {
  form_->move(300, 200);
  form_->resize(form_->size() + QSize(120, 80));
  QCoreApplication::processEvents();
  const QRect left = form_->frameGeometry();
  form_->close();
  Reopen();
  EXPECT_EQ(form_->frameGeometry(), left);
}

TEST_F(WindowSizeTest, AMaximisedWindowOpensMaximisedAndRestoresToWhereItWas) {
  form_->move(300, 200);
  QCoreApplication::processEvents();
  const QRect normal = form_->frameGeometry();
  form_->showMaximized();
  QCoreApplication::processEvents();
  ASSERT_TRUE(form_->isMaximized());
  form_->close();
  EXPECT_EQ(QSettings("Vantrel", "Vantrel").value("window/place").toRect(), normal);

  Reopen();
  EXPECT_TRUE(form_->isMaximized());
  form_->showNormal();
  QCoreApplication::processEvents();
  EXPECT_EQ(form_->frameGeometry(), normal);
}

// The second test screen is lower than the window can shrink, at its scale of 2.
TEST_F(WindowSizeTest, OnAScreenSmallerThanTheLayoutItFitsTheScreenAndScrolls) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  ASSERT_EQ(screens.size(), 2);
  const QRect small = screens[1]->availableGeometry();
  ASSERT_EQ(screens[1]->devicePixelRatio(), 2.0);
  ASSERT_LT(small.height(), 868 - 203);
  QSettings("Vantrel", "Vantrel").setValue("window/place", QRect(small.topLeft() + QPoint(50, 50), QSize(875, 868)));
  Reopen();

  EXPECT_TRUE(small.contains(form_->frameGeometry())) << form_->frameGeometry().x() << "," << form_->frameGeometry().y()
                                                       << " " << form_->frameGeometry().width() << "x"
                                                       << form_->frameGeometry().height();
  auto* scroller = Find<QScrollArea>("WindowScroller");
  EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0);
  // The buttons are still there to reach.
  auto* deactivate = Find<QPushButton>("Button4");
  scroller->ensureWidgetVisible(deactivate);
  const QRect shown(deactivate->mapTo(scroller->viewport(), QPoint(0, 0)), deactivate->size());
  EXPECT_TRUE(scroller->viewport()->rect().contains(shown));
}

TEST_F(WindowSizeTest, APlaceOnNoScreenOpensOnThePrimaryOne) {
  QSettings("Vantrel", "Vantrel").setValue("window/place", QRect(9000, 9000, 875, 868));
  Reopen();
  EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(form_->frameGeometry()));
}

}  // namespace
}  // namespace vantrel::testing
