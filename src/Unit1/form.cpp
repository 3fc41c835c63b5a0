#include "Unit1/form.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <functional>
#include <vector>

#include "Unit1/entry_list_view.h"
#include "Unit1/error_box.h"
#include "Unit1/job_panel.h"
#include "window/run_handler.h"

namespace vantrel {

TForm1::TForm1(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), cat_(session.cat), messageHook_(ShowMessageBox) {
  BuildLayout();
  presenter_ = std::make_unique<FormPresenter>(session_, *this, *Jobs);
  ConnectEvents();
}

TForm1::~TForm1() = default;

void TForm1::ConnectEvents() {
  for (const ControlSpec& entry : FormLayout()) {
    auto* button = qobject_cast<QAbstractButton*>(Widget(entry.id));
    if (!button || entry.id == Control::AddArchive) continue;
    connect(button, &QAbstractButton::clicked, this, [this, id = entry.id] { presenter_->Clicked(id); });
  }
  // Adding from archives is the view's own; what it raises is shown as a handler's error is,
  // and the outcome line says that nothing was added.
  const auto archiveHandler = [this](std::function<void()> adding) {
    return [this, adding = std::move(adding)] {
      RunHandler(
          [this](const std::string& text) {
            Jobs->ShowOutcome("Nothing is added: " + text);
            ShowMessage(text);
          },
          adding);
    };
  };
  connect(static_cast<QAbstractButton*>(Widget(Control::AddArchive)), &QAbstractButton::clicked, this,
          archiveHandler([this] { addArchive(); }));

  for (Control list : {Control::ListBox1, Control::ListBox2, Control::ListBox3}) {
    static_cast<EntryListView*>(Widget(list))->SetClickHandler([this, list] { presenter_->Picked(list); });
  }
  connect(Jobs, &JobPanel::JobEnded, this, [this] { presenter_->JobEnded(); });

  const auto onKeys = [this](const QKeySequence& keys, std::function<void()> run) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, std::move(run));
  };
  onKeys(QKeySequence(Qt::Key_F5), [this] { presenter_->RefreshKey(); });
  onKeys(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
  onKeys(QKeySequence(Qt::CTRL | Qt::Key_O), archiveHandler([this] { addArchive(); }));
  ListBox1->SetDropHandler([this, archiveHandler](const std::vector<std::string>& files) {
    for (const std::string& file : files) archiveHandler([this, file] { AddPatchArchive(file); })();
  });
  onKeys(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
    QLineEdit* filter = ListBox2->hasFocus() || SlotFilter->hasFocus() ? SlotFilter : PatchFilter;
    filter->setFocus(Qt::ShortcutFocusReason);
    filter->selectAll();
  });
  // Return runs a list's job; Delete only removes an active patch.
  const std::vector<int> enter = {Qt::Key_Return, Qt::Key_Enter};
  ListBox1->SetKeyHandler(enter, [this] { presenter_->Entered(Control::ListBox1); });
  ListBox2->SetKeyHandler(enter, [this] { presenter_->Entered(Control::ListBox2); });
  ListBox3->SetKeyHandler({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Delete},
                          [this] { presenter_->Entered(Control::ListBox3); });

  // Typed or picked, every change of the text counts.
  connect(path, &QComboBox::editTextChanged, this, [this] { presenter_->FolderTextChanged(); });
}

bool TForm1::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowActivate) {
    if (!placedOnce_) {
      placedOnce_ = true;
      PlaceWindow();  // a window manager's frame is only known once the window is up
    }
    presenter_->Activated();
  }
  return handled;
}

}  // namespace vantrel
