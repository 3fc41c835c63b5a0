// The controls of TForm1 at the positions, sizes and texts of the reference layout.
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

#include "Unit1/entry_list_view.h"
#include "Unit1/form.h"
#include "Unit1/growing_panel.h"
#include "Unit1/job_panel.h"
#include "Unit1/layout_constants.h"
#include "Unit1/qt_text.h"

namespace vantrel {

namespace {

// Fonts are given by their pixel height. Where the named face is not installed, the next
// family of the list that is takes its place: faces of close width first, so texts fit the
// reference layout, and a fixed-pitch face for the lists, so the codes line up.
QFont PixelFont(const QStringList& families, int pixels, QFont::StyleHint hint) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixels);
  font.setStyleHint(hint);
  return font;
}

const QStringList kWindowFaces = {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo",
                                  "DejaVu Sans Condensed"};
const QStringList kListFaces = {"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"};

template <typename Control>
Control* Place(QWidget* parent, const char* name, int left, int top, int width, int height) {
  auto* control = new Control(parent);
  control->setObjectName(name);
  control->setGeometry(left, top, width, height);
  return control;
}

template <typename Control>
Control* PlaceText(QWidget* parent, const char* name, QRect geometry, const char* text) {
  auto* control = Place<Control>(parent, name, geometry.x(), geometry.y(), geometry.width(), geometry.height());
  control->setText(text);
  return control;
}

// Labels size themselves to their text: a wider stand-in face grows them to the right
// instead of cutting the text.
void GrowToText(QLabel* label) { label->resize(std::max(label->width(), label->sizeHint().width()), label->height()); }

// Like the system's radio button, a click only ever marks it; whether it stays marked is
// decided by its handler, which may clear it again.
class MarkingRadioButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override { setChecked(true); }
};

// A filter line over a list: Return or Down goes on into the list, Escape empties the line.
class FilterLine : public QLineEdit {
 public:
  FilterLine(QWidget* parent, EntryListView* list) : QLineEdit(parent), list_(list) {
    setPlaceholderText("Filter by code or name");
    setClearButtonEnabled(true);
    connect(this, &QLineEdit::textChanged, this, [list](const QString& text) { list->SetFilter(FromQt(text)); });
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Down:
        list_->setFocus(Qt::TabFocusReason);
        return;
      case Qt::Key_Escape:
        if (text().isEmpty()) break;
        clear();
        return;
    }
    QLineEdit::keyPressEvent(event);
  }

 private:
  EntryListView* list_;
};

}  // namespace

void TForm1::BuildLayout() {
  setWindowTitle("Vantrel");
  setFont(PixelFont(kWindowFaces, 11, QFont::SansSerif));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Button));
  setPalette(colours);
  setAutoFillBackground(true);
  // The controls sit on a panel that grows with the window and scrolls when the window is
  // smaller than the reference layout (a small screen).
  auto* scroller = new QScrollArea(this);
  scroller->setObjectName("WindowScroller");
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setFocusPolicy(Qt::NoFocus);  // the focus starts in the folder box, as before
  content_ = new GrowingPanel;
  content_->setObjectName("WindowContent");

  QFont bold = PixelFont(kWindowFaces, 13, QFont::SansSerif);
  bold.setBold(true);
  Label5 = PlaceText<QLabel>(content_, "Label5", {24, 16, 106, 16}, "working folder :");
  Label5->setFont(bold);

  path = Place<QComboBox>(content_, "path", 136, 16, 185, 21);
  path->setEditable(true);
  path->setInsertPolicy(QComboBox::NoInsert);
  path->setCompleter(nullptr);  // completing "M" to "Multi" would change folder at the first key
  path->addItems({"Multi", "Simpatch", "Shellpat", "3dpatch"});
  path->setEditText("path");  // adding items made the first one current

  Button1 = PlaceText<QPushButton>(content_, "Button1", {64, 48, 169, 33}, "Refresh &Patch list");
  Button2 = PlaceText<QPushButton>(content_, "Button2", {616, 48, 153, 33}, "Refresh ac&tive patch list");
  // Beside Refresh Patch list, in the row the reference layout leaves empty there.
  AddArchive = PlaceText<QPushButton>(content_, "AddArchive", {248, 48, 161, 33}, "Add patch from arc&hive…");
  AddArchive->setToolTip("Unpack a downloaded .zip, .7z, .rar or .tar.gz patch into the working folder (Ctrl+O)");
  Label1 = PlaceText<QLabel>(content_, "Label1", {96, 88, 84, 13}, "Available patches");
  Label2 = PlaceText<QLabel>(content_, "Label2", {352, 88, 77, 13}, "Destination slots");
  Label3 = PlaceText<QLabel>(content_, "Label3", {648, 88, 71, 13}, "Active patches");

  const QFont listFont = PixelFont(kListFaces, 11, QFont::TypeWriter);
  const auto placeList = [&](EntryList& list, const char* name, QRect geometry) {
    auto* view = new EntryListView(list, kListItemHeight, content_);
    view->setObjectName(name);
    view->setGeometry(geometry);
    view->setFont(listFont);
    return view;
  };
  // The two long lists give the top of their reference place to their filter lines.
  ListBox1 = placeList(cat_.ListBox1, "ListBox1", {48, 132, 201, 245});
  ListBox2 = placeList(cat_.ListBox2, "ListBox2", {304, 132, 217, 245});
  ListBox3 = placeList(cat_.ListBox3, "ListBox3", {608, 112, 177, 265});
  const auto placeFilter = [&](EntryListView* list, const char* name) {
    auto* filter = new FilterLine(content_, list);
    filter->setObjectName(name);
    filter->setGeometry(list->x(), 108, list->width(), 21);
    return filter;
  };
  PatchFilter = placeFilter(ListBox1, "PatchFilter");
  SlotFilter = placeFilter(ListBox2, "SlotFilter");

  FMDMavail = PlaceText<MarkingRadioButton>(content_, "FMDMavail", {40, 392, 217, 17},
                                            "Flight Model / Damage Model available");
  FMDMavail->setAutoExclusive(false);  // else the program could not clear it
  Label4 = PlaceText<QLabel>(content_, "Label4", {304, 392, 166, 13}, "Selected patch => slot combination");
  Edit1 = PlaceText<QLineEdit>(content_, "Edit1", {304, 408, 241, 21}, "none");

  CheckBox1 = PlaceText<QCheckBox>(content_, "CheckBox1", {304, 440, 241, 17}, "Enable FM/DM changing");
  CheckBox1->setToolTip("only works if fmparam*.dat available");
  CheckBox2 = PlaceText<QCheckBox>(content_, "CheckBox2", {304, 464, 177, 17}, "fmparamS.dat / acspecS.dat");
  CheckBox3 = PlaceText<QCheckBox>(content_, "CheckBox3", {304, 488, 177, 17}, "fmparam2.dat / acspecs2.dat");
  CheckBox4 = PlaceText<QCheckBox>(content_, "CheckBox4", {304, 512, 169, 17}, "fmparam3.dat / acspecs3.dat");
  for (QCheckBox* variant : {CheckBox2, CheckBox3, CheckBox4}) variant->setEnabled(false);

  v = PlaceText<QPushButton>(content_, "v", {336, 536, 169, 49}, kActivateCaption);
  Button4 = PlaceText<QPushButton>(content_, "Button4", {632, 536, 145, 49}, "&Deactivate Selected");

  for (QLabel* label : {Label1, Label2, Label3, Label4, Label5}) GrowToText(label);

  // In the gap between a list and the controls below it, where the reference layout has
  // nothing; wider than the list, so that the longest note fits in any stand-in face.
  UnlistedPatches = Place<QLabel>(content_, "UnlistedPatches", 48, 378, 240, 13);
  UnlistedActive = Place<QLabel>(content_, "UnlistedActive", 608, 378, 240, 13);
  for (QLabel* note : {UnlistedPatches, UnlistedActive}) note->hide();

  ScrollBox1 = Place<QScrollArea>(content_, "ScrollBox1", 40, 592, 309, 169);
  ScrollBox1->setWidgetResizable(false);
  Image = new QLabel;
  Image->setObjectName("Image");
  Image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ScrollBox1->setWidget(Image);
  Image->setGeometry(0, 0, 305, 165);

  Jobs = new JobPanel(content_, [this](const std::string& text) { ShowMessage(text); });
  // Beside the preview, where the reference layout has nothing: the running job's console,
  // and the picked patch's readme.
  Notes = Place<QTabWidget>(content_, "Notes", 368, 592, 490, 140);
  Notes->addTab(Jobs->console, "&Job");
  Readme = new QPlainTextEdit;
  Readme->setObjectName("Readme");
  Readme->setReadOnly(true);
  Readme->setPlaceholderText("The picked patch has no readme.");
  Notes->addTab(Readme, "&Readme");

  // Tab goes the way the eye reads the window: the folder, the refreshes, the lists left to
  // right, the combination and its model controls, the two jobs, then the notes below.
  QWidget* previous = nullptr;
  for (QWidget* next : std::initializer_list<QWidget*>{
           path, Button1, AddArchive, Button2, PatchFilter, ListBox1, SlotFilter, ListBox2, ListBox3, FMDMavail, Edit1, CheckBox1, CheckBox2, CheckBox3,
           CheckBox4, v, Button4, ScrollBox1, Notes, Jobs->console, Readme, Jobs->continueButton,
           Jobs->continueOnItsOwn, Jobs->inTerminal, Jobs->openLog}) {
    if (previous) setTabOrder(previous, next);
    previous = next;
  }
  Readme->setTabChangesFocus(true);

  content_->TakeReference(kWindowOuterSize);
  scroller->setWidget(content_);
  auto* frame = new QVBoxLayout(this);
  frame->setContentsMargins(0, 0, 0, 0);
  frame->addWidget(scroller);
  PlaceWindow();  // the frame, when there is one, is taken off at the first activation
}

}  // namespace vantrel
