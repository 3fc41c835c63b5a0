// The controls of TForm1, made from the layout table: its places, captions, hints and fonts.
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
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
#include "window/list_controls.h"

namespace vantrel {

namespace {

// The families of `wanted` that are installed, in its order; all of them when none is.
// Qt asks fontconfig for substitutes of each family it cannot find before it goes on to the
// next, which takes a noticeable part of the window's start.
QStringList InstalledFamilies(const QStringList& wanted) {
  static const QStringList installed = QFontDatabase::families();
  QStringList found;
  for (const QString& family : wanted) {
    if (installed.contains(family, Qt::CaseInsensitive)) found << family;
  }
  return found.isEmpty() ? wanted : found;
}

// Fonts are given by their pixel height. Where the named face is not installed, the next
// family of the list that is takes its place: faces of close width first, so texts fit the
// reference layout, and a fixed-pitch face for the lists, so the codes line up.
QFont PixelFont(const QStringList& families, int pixels, QFont::StyleHint hint) {
  QFont font;
  font.setFamilies(InstalledFamilies(families));
  font.setPixelSize(pixels);
  font.setStyleHint(hint);
  return font;
}

const QStringList kWindowFaces = {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo",
                                  "DejaVu Sans Condensed"};
const QStringList kListFaces = {"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"};

QRect ToRect(const Box& box) { return {box.left, box.top, box.width, box.height}; }

// The room kept around a control scrolled into view for a job.
constexpr int kInViewMargin = 8;

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
  explicit FilterLine(QWidget* parent) : QLineEdit(parent) {
    setPlaceholderText(ToQt(kFilterPlaceholder));
    // The clear button shows only over text; its icon is decoded when first there is some,
    // not while the window starts.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
      if (!text.isEmpty() && !isClearButtonEnabled()) setClearButtonEnabled(true);
    });
  }
  // The list comes after its filter line in tab order, so it is made later.
  void Filter(EntryListView* list) {
    list_ = list;
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
  EntryListView* list_ = nullptr;
};

}  // namespace

QWidget* TForm1::MakeControl(const ControlSpec& entry) {
  const QString caption = ToQt(entry.caption);
  switch (entry.kind) {
    case ControlKind::Label:
    case ControlKind::Note:
      return new QLabel(caption, content_);
    case ControlKind::FolderBox: {
      path = new QComboBox(content_);
      path->setEditable(true);
      path->setInsertPolicy(QComboBox::NoInsert);
      path->setCompleter(nullptr);  // completing "M" to "Multi" would change folder at the first key
      for (std::string_view folder : kFolderChoices) path->addItem(ToQt(folder));
      path->setEditText(ToQt(kFolderBoxText));  // adding items made the first one current
      return path;
    }
    case ControlKind::Button:
      return new QPushButton(caption, content_);
    case ControlKind::FilterLine:
      return new FilterLine(content_);
    case ControlKind::List:
      return new EntryListView(EntryListOf(cat_, entry.id), kListItemHeight, content_);
    case ControlKind::RadioButton: {
      auto* button = new MarkingRadioButton(caption, content_);
      button->setAutoExclusive(false);  // else the program could not clear it
      button->setFocusPolicy(Qt::NoFocus);  // the mouse still marks it, for its handler
      return button;
    }
    case ControlKind::Edit:
      Edit1 = new QLineEdit(caption, content_);
      return Edit1;
    case ControlKind::CheckBox:
      return new QCheckBox(caption, content_);
    case ControlKind::Picture: {
      auto* scroller = new QScrollArea(content_);
      scroller->setWidgetResizable(false);
      Image = new QLabel;
      Image->setObjectName("Image");
      Image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      scroller->setWidget(Image);
      Image->resize(0, 0);  // no picture yet: nothing to scroll
      return scroller;
    }
    case ControlKind::Tabs: {
      // Beside the preview: the running job's console, and the picked patch's readme.
      Notes = new QTabWidget(content_);
      // The pages have frames of their own: a frame round them was a second border, and Qt
      // hands its tall lines to threads of its own that the window's first drawing waits for.
      Notes->setDocumentMode(true);
      Notes->addTab(Jobs->console, "&Job");
      Readme = new QPlainTextEdit;
      Readme->setObjectName("Readme");
      Readme->setReadOnly(true);
      Readme->setTabChangesFocus(true);
      Readme->setPlaceholderText("The picked patch has no readme.");
      Notes->addTab(Readme, "&Readme");
      Jobs->notes = Notes;
      return Notes;
    }
  }
  throw std::logic_error("a control kind the Qt view cannot make");
}

void TForm1::BuildLayout() {
  setWindowTitle(ToQt(kWindowTitle));
  setFont(PixelFont(kWindowFaces, kWindowFontPixels, QFont::SansSerif));
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
  // The job panel's own controls keep their places under the notes.
  Jobs = new JobPanel(content_, [this](const std::string& text) { ShowMessage(text); });
  Jobs->bringIntoView = [scroller](QWidget* control) { scroller->ensureWidgetVisible(control, kInViewMargin, kInViewMargin); };

  QFont bold = PixelFont(kWindowFaces, kBoldFontPixels, QFont::SansSerif);
  bold.setBold(true);
  const QFont listFont = PixelFont(kListFaces, kListFontPixels, QFont::TypeWriter);
  QWidget* previous = nullptr;
  // The table is in tab order: the way the eye reads the window.
  for (const ControlSpec& entry : FormLayout()) {
    QWidget* control = MakeControl(entry);
    control->setObjectName(ToQt(entry.name));
    control->setGeometry(ToRect(entry.box));
    if (!entry.hint.empty()) control->setToolTip(ToQt(entry.hint));
    if (entry.font == FontRole::Bold) control->setFont(bold);
    if (entry.font == FontRole::List) control->setFont(listFont);
    if (auto* label = qobject_cast<QLabel*>(control); label && entry.kind == ControlKind::Label) GrowToText(label);
    controls_[entry.id] = control;
    if (!TakesTabStop(entry.kind)) continue;
    if (previous) setTabOrder(previous, control);
    previous = control;
  }
  ListBox1 = static_cast<EntryListView*>(controls_.at(Control::ListBox1));
  ListBox2 = static_cast<EntryListView*>(controls_.at(Control::ListBox2));
  ListBox3 = static_cast<EntryListView*>(controls_.at(Control::ListBox3));
  for (Control filter : {Control::PatchFilter, Control::SlotFilter}) {
    static_cast<FilterLine*>(controls_.at(filter))
        ->Filter(static_cast<EntryListView*>(controls_.at(FilteredList(filter))));
  }
  PatchFilter = static_cast<QLineEdit*>(controls_.at(Control::PatchFilter));
  SlotFilter = static_cast<QLineEdit*>(controls_.at(Control::SlotFilter));
  // The notes' pages and the job panel's buttons come between the notes and the job log's
  // button, which the table puts right after the notes.
  previous = Notes;
  for (QWidget* next : std::initializer_list<QWidget*>{Jobs->console, Readme, Jobs->continueButton,
                                                       Jobs->continueOnItsOwn, Jobs->inTerminal,
                                                       controls_.at(Control::JobLog)}) {
    setTabOrder(previous, next);
    previous = next;
  }

  content_->TakeReference(kWindowOuterSize);
  scroller->setWidget(content_);
  auto* frame = new QVBoxLayout(this);
  frame->setContentsMargins(0, 0, 0, 0);
  frame->addWidget(scroller);
  PlaceWindow();  // the frame, when there is one, is taken off at the first activation
}

}  // namespace vantrel
