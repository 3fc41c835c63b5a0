#include "Unit1/form.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>

#include <functional>
#include <vector>

#include "Unit1/entry_list_view.h"
#include "Unit1/error_box.h"
#include "Unit1/job_panel.h"
#include "window/list_controls.h"

namespace vantrel {

TForm1::TForm1(Session& session, QWidget* parent)
    : QWidget(parent), session_(session), cat_(session.cat), messageHook_(ShowMessageBox) {
  BuildLayout();
  presenter_ = std::make_unique<FormPresenter>(session_, *this, *Jobs);
  ConnectEvents();
}

TForm1::~TForm1() = default;

void TForm1::SetGameSwitching(GameSwitching switching) { presenter_->SetGameSwitching(std::move(switching)); }

void TForm1::ConnectEvents() {
  for (const ControlSpec& entry : FormLayout()) {
    auto* button = qobject_cast<QAbstractButton*>(Widget(entry.id));
    if (!button) continue;
    connect(button, &QAbstractButton::clicked, this, [this, id = entry.id] { presenter_->Clicked(id); });
  }
  for (Control list : {Control::ListBox1, Control::ListBox2, Control::ListBox3}) {
    auto* view = static_cast<EntryListView*>(Widget(list));
    view->SetClickHandler([this, list] { presenter_->Picked(list); });
    std::vector<int> jobKeys;
    if (RunsListJob(list, ListKey::Return)) jobKeys.insert(jobKeys.end(), {Qt::Key_Return, Qt::Key_Enter});
    if (RunsListJob(list, ListKey::Delete)) jobKeys.push_back(Qt::Key_Delete);
    view->SetKeyHandler(jobKeys, [this, list] { presenter_->Entered(list); });
  }
  ListBox3->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ListBox3, &QWidget::customContextMenuRequested, this, &TForm1::ShowActiveMenu);
  ListBox1->SetDropHandler([this](const std::vector<std::string>& files) { presenter_->Dropped(files); });
  connect(Jobs, &JobPanel::JobEnded, this, [this] { presenter_->JobEnded(); });

  const auto onKeys = [this](const QKeySequence& keys, std::function<void()> run) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, std::move(run));
  };
  onKeys(QKeySequence(Qt::Key_F5), [this] { presenter_->RefreshKey(); });
  onKeys(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
  onKeys(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { presenter_->Clicked(Control::AddArchive); });
  onKeys(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
    auto* filter = static_cast<QLineEdit*>(Widget(FilterLineFor(FocusedControl())));
    filter->setFocus(Qt::ShortcutFocusReason);
    filter->selectAll();
  });

  // Typed or picked, every change of the text counts.
  connect(path, &QComboBox::editTextChanged, this, [this] { presenter_->FolderTextChanged(); });
}

void TForm1::ShowActiveMenu(const QPoint& at) {
  QMenu menu(this);
  QAction* repair = menu.addAction(tr("Repair"));
  repair->setObjectName("Repair");
  repair->setEnabled(presenter_->RepairOffered());
  if (menu.exec(ListBox3->viewport()->mapToGlobal(at)) == repair) presenter_->RepairAsked();
}

std::optional<Control> TForm1::FocusedControl() const {
  const QWidget* focus = focusWidget();
  for (const auto& [control, widget] : controls_) {
    if (focus && (widget == focus || widget->isAncestorOf(focus))) return control;
  }
  return std::nullopt;
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
