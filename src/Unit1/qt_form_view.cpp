// TForm1 as the presenter's view: each call on the control the layout table names.
#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QUrl>

#include <stdexcept>

#include "Unit1/entry_list_view.h"
#include "Unit1/form.h"
#include "Unit1/log_viewer.h"
#include "Unit1/qt_picture.h"
#include "Unit1/qt_text.h"
#include "Unit1/question_box.h"
#include "window/preview.h"

namespace vantrel {

QWidget* TForm1::Widget(Control control) const { return controls_.at(control); }

void TForm1::SetTitle(const std::string& title) { setWindowTitle(ToQt(title)); }

void TForm1::SetText(Control control, const std::string& text) {
  QWidget* widget = Widget(control);
  if (auto* box = qobject_cast<QComboBox*>(widget)) {
    const QSignalBlocker quiet(box);  // it names the folder the lists are already of
    box->setEditText(ToQt(text));
  } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    line->setText(ToQt(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(ToQt(text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToQt(text));
  } else {
    throw std::logic_error("a control without a text");
  }
}

std::string TForm1::Text(Control control) const {
  const QWidget* widget = Widget(control);
  if (auto* box = qobject_cast<const QComboBox*>(widget)) return FromQt(box->currentText());
  if (auto* line = qobject_cast<const QLineEdit*>(widget)) return FromQt(line->text());
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return FromQt(button->text());
  if (auto* label = qobject_cast<const QLabel*>(widget)) return FromQt(label->text());
  throw std::logic_error("a control without a text");
}

void TForm1::SetEnabled(Control control, bool enabled) { Widget(control)->setEnabled(enabled); }

void TForm1::SetChecked(Control control, bool checked) {
  auto* button = qobject_cast<QAbstractButton*>(Widget(control));
  if (!button) throw std::logic_error("a control without a check mark");
  button->setChecked(checked);
}

void TForm1::SetHint(Control control, const std::string& hint) { Widget(control)->setToolTip(ToQt(hint)); }

void TForm1::SetShown(Control control, bool shown) { Widget(control)->setVisible(shown); }

void TForm1::ShowFromStart(Control line) {
  auto* edit = qobject_cast<QLineEdit*>(Widget(line));
  if (!edit) throw std::logic_error("a control that is no edit line");
  edit->home(false);
}

void TForm1::ScrollToTop(Control list, std::size_t row) {
  auto* view = static_cast<EntryListView*>(Widget(list));
  view->scrollTo(view->model()->index(static_cast<int>(row), 0), QAbstractItemView::PositionAtTop);
}

void TForm1::KeepInView(Control list, std::size_t row) {
  auto* view = static_cast<EntryListView*>(Widget(list));
  view->scrollTo(view->model()->index(static_cast<int>(row), 0), QAbstractItemView::EnsureVisible);
}

void TForm1::ShowPicture(const std::optional<std::string>& file) {
  if (!file) {
    Image->setPixmap(QPixmap());
    Image->resize(0, 0);  // the scroll bars of a larger picture go with it
    return;
  }
  Image->setPixmap(QPixmap::fromImage(ToQImage(LoadPicture(*file))));
  Image->adjustSize();  // the scroll box scrolls when the picture is larger
}

void TForm1::ShowReadme(const std::optional<std::string>& text, bool toFront) {
  Readme->setPlainText(text ? ToQt(*text) : QString());
  if (toFront) Notes->setCurrentWidget(Readme);
}

bool TForm1::Ask(const std::string& question, const std::string& details) { return AskUser(question, details); }

FormView::Reply TForm1::AskOrCancel(const std::string& question) { return AskUserOrCancel(question); }

bool TForm1::OpenInSystemProgram(const std::string& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(ToQt(file))));
}

void TForm1::ShowLog(const std::string& text) { ShowLogViewer(this, ToQt(text)); }

void TForm1::Hide() { hide(); }

// Closing a window already off the screen ends no event loop: the program ends here.
void TForm1::Close() {
  const bool hidden = isHidden();
  if (close() && hidden) QCoreApplication::quit();
}

void TForm1::ShowMessage(const std::string& text) {
  if (messageHook_) messageHook_(text);
}

void TForm1::MarkEntries(Control list, const std::map<std::string, std::string>& reasons) {
  auto* view = dynamic_cast<EntryListView*>(Widget(list));
  if (!view) throw std::logic_error("a control that is no list");
  view->SetMarks(reasons);
}

// Queued: Qt runs it in the window's event loop, and never once the window is gone.
void TForm1::RunOnWindowThread(std::function<void()> task) {
  QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

}  // namespace vantrel
