#include "Unit1/form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <functional>
#include <vector>

#include "Unit1/entry_list_view.h"
#include "Unit1/error_box.h"
#include "Unit1/job_panel.h"
#include "Unit1/layout_constants.h"

namespace vantrel {

TForm1::TForm1(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), cat_(session.cat), messageHook_(ShowMessageBox) {
  BuildLayout();
  ConnectEvents();
  session_.showMessage = [this](const std::string& text) { ShowMessage(text); };
}

TForm1::~TForm1() { session_.showMessage = nullptr; }

void TForm1::ShowMessage(const std::string& text) const {
  if (messageHook_) messageHook_(text);
}

void TForm1::Handle(void (TForm1::*handler)()) {
  Handle([this, handler] { (this->*handler)(); });
}

void TForm1::Handle(const std::function<void()>& handler) {
  RunHandler([this](const std::string& text) { ShowMessage(text); }, handler);
  // Any handler may have scanned or listed again, and one that failed may have got that far.
  ShowUnlisted();
}

void TForm1::ConnectEvents() {
  const auto onClick = [this](QAbstractButton* control, void (TForm1::*handler)()) {
    connect(control, &QAbstractButton::clicked, this, [this, handler] { Handle(handler); });
  };
  onClick(Button1, &TForm1::refreshpatches);
  onClick(Button2, &TForm1::getactivepatch);
  onClick(AddArchive, &TForm1::addArchive);
  onClick(FMDMavail, &TForm1::FMDMavailClick);
  onClick(CheckBox1, &TForm1::chgFMYesNo);
  onClick(CheckBox2, &TForm1::CheckBox2Click);
  onClick(CheckBox3, &TForm1::CheckBox3Click);
  onClick(CheckBox4, &TForm1::CheckBox4Click);
  onClick(v, &TForm1::turnPatchOn);
  onClick(Button4, &TForm1::turnPatchOff);

  ListBox1->SetClickHandler([this] { Handle(&TForm1::patchClicked); });
  ListBox2->SetClickHandler([this] { Handle(&TForm1::slotClicked); });
  ListBox3->SetClickHandler([this] { Handle(&TForm1::actpatches); });

  connect(Jobs, &JobPanel::JobEnded, this, [this] { Handle(&TForm1::AfterJob); });

  // Keys do what the clicks do, through the same handlers.
  const auto onKeys = [this](const QKeySequence& keys, std::function<void()> run) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, std::move(run));
  };
  onKeys(QKeySequence(Qt::Key_F5), [this] {
    Handle(&TForm1::refreshpatches);
    Handle(&TForm1::getactivepatch);
  });
  onKeys(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
  onKeys(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { Handle(&TForm1::addArchive); });
  ListBox1->SetDropHandler([this](const std::vector<std::string>& files) {
    for (const std::string& file : files) Handle([this, &file] { AddPatchArchive(file); });
  });
  onKeys(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
    QLineEdit* filter = ListBox2->hasFocus() || SlotFilter->hasFocus() ? SlotFilter : PatchFilter;
    filter->setFocus(Qt::ShortcutFocusReason);
    filter->selectAll();
  });
  const std::vector<int> enter = {Qt::Key_Return, Qt::Key_Enter};
  ListBox1->SetKeyHandler(enter, [this] { Handle(&TForm1::turnPatchOn); });
  ListBox2->SetKeyHandler(enter, [this] { Handle(&TForm1::turnPatchOn); });
  ListBox3->SetKeyHandler({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Delete}, [this] { Handle(&TForm1::turnPatchOff); });

  // Typed or picked, every change of the text counts.
  connect(path, &QComboBox::editTextChanged, this, [this] { Handle(&TForm1::pathChange); });
}

// Only the first activation loads: coming back from a job script's console or from one of
// our own message boxes must not rescan.
bool TForm1::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowActivate && !activatedOnce_) {
    activatedOnce_ = true;
    PlaceWindow();  // a window manager's frame is only known once the window is up
    Handle(&TForm1::Loadpatches);
  }
  return handled;
}

}  // namespace vantrel
