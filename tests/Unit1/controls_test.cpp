// The FM/DM controls, the working-folder combo box, the activation button's guard, the
// controls' fonts, and how the lists show their focus and their cut entries.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <filesystem>

#include "Unit1/entry_list_view.h"
#include "Unit1/qt_text.h"
#include "engine/installed.h"
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

// The list that has the focus is framed in the highlight colour, and no other.
// A family Qt cannot find sends it to fontconfig for substitutes before it tries the next,
// at a cost the window's start feels: where any family of its list is installed, a control's
// font names installed families alone.
TEST_F(WindowTest, ControlsFontsNameNoMissingFamilyBesideAnInstalledOne) {
  const QStringList installed = QFontDatabase::families();
  for (const char* name : {"Label1", "Label3", "ListBox1", "Button2"}) {
    const QStringList asked = Find<QWidget>(name)->font().families();
    const auto isInstalled = [&installed](const QString& family) { return installed.contains(family, Qt::CaseInsensitive); };
    ASSERT_FALSE(asked.isEmpty()) << name;
    if (std::none_of(asked.begin(), asked.end(), isInstalled)) continue;
    for (const QString& family : asked) EXPECT_TRUE(isInstalled(family)) << name << ": " << FromQt(family);
  }
}

TEST_F(WindowTest, TheListWithTheFocusIsFramedInTheHighlightColour) {
  const auto framed = [&](const char* name) {
    auto* list = Find<QListView>(name);
    const QImage shown = list->viewport()->grab().toImage();
    const QColor highlight = list->palette().color(QPalette::Highlight);
    return shown.pixelColor(0, shown.height() / 2) == highlight && shown.pixelColor(shown.width() / 2, 0) == highlight;
  };
  for (const char* name : {"ListBox1", "ListBox2", "ListBox3"}) {
    Find<QWidget>(name)->setFocus();
    QCoreApplication::processEvents();
    for (const char* other : {"ListBox1", "ListBox2", "ListBox3"}) {
      EXPECT_EQ(framed(other), other == name) << other << " with the focus in " << name;
    }
  }
}

// A slot's entry cut at the list's edge shows whole in its tooltip; one that fits has none.
constexpr int kTipHideMs = 400;

// The tooltip the list shows over its entry `line`, "" for none.
std::string TipOver(QListView* list, const std::string& line) {
  const QAbstractItemModel* model = list->model();
  for (int row = 0; row < model->rowCount(); ++row) {
    const QModelIndex index = model->index(row, 0);
    if (model->data(index).toString() != ToQt(line)) continue;
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(list->viewport(), &help);
    QTest::qWait(kTipHideMs);  // a tip asked to hide goes after a short delay
    return QToolTip::isVisible() ? FromQt(QToolTip::text()) : std::string();
  }
  ADD_FAILURE() << "no entry " << line;
  return std::string();
}

// What the list's model gives beside its entry `line`.
std::string BesideOf(QListView* list, const std::string& line) {
  const QAbstractItemModel* model = list->model();
  for (int row = 0; row < model->rowCount(); ++row) {
    const QModelIndex index = model->index(row, 0);
    if (model->data(index).toString() == ToQt(line)) return FromQt(model->data(index, kBesideRole).toString());
  }
  ADD_FAILURE() << "no entry " << line;
  return std::string();
}

TEST_F(WindowTest, AnEntryCutAtTheListsEdgeShowsWholeInItsTooltip) {
  auto* slotList = Find<QListView>("ListBox2");
  slotList->resize(150, slotList->height());  // narrower than a long slot name in any stand-in face
  const std::string cut = SlotLine("030E");
  ASSERT_GT(slotList->fontMetrics().horizontalAdvance(ToQt(cut)), slotList->viewport()->width()) << cut;
  EXPECT_EQ(TipOver(slotList, cut), cut);
  EXPECT_EQ(TipOver(slotList, SlotLine("0300")), "");
}

// Who holds what, as the presenter tells it: the slot's name beside an active entry, the
// holder beside its slot and in the slot's tooltip; the entry's own text stays.
TEST_F(WindowTest, TheListsShowTheSlotBesideEachActiveEntryAndTheHolderBesideEachSlot) {
  WriteFileBytes(Work() / "0305_Camel Views.aop", "Active \r\n");
  QTest::keyClick(Find<QWidget>("ListBox2"), Qt::Key_F5);
  auto* active = Find<QListView>("ListBox3");
  auto* slotList = Find<QListView>("ListBox2");
  ASSERT_EQ(Shown("ListBox3"), std::vector<std::string>{"0305_Camel Views"});
  // Read in the background once the list is filled.
  EXPECT_TRUE(QTest::qWaitFor([&] { return BesideOf(active, "0305_Camel Views") == SlotNameOf(session_.cat, "0305"); }, 5000));
  EXPECT_EQ(BesideOf(slotList, SlotLine("0305")), "Camel Views");
  EXPECT_EQ(BesideOf(slotList, SlotLine("0306")), "");
  EXPECT_EQ(TipOver(slotList, SlotLine("0305")), "Held by Camel Views");
  // Last, under any mark the status check may have put on this marker made by hand.
  const std::string tip = TipOver(active, "0305_Camel Views");
  EXPECT_TRUE(tip.ends_with("In slot 0305 " + SlotNameOf(session_.cat, "0305"))) << tip;
}

}  // namespace
}  // namespace vantrel::testing
