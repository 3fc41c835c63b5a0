#include "Unit1/question_box.h"

#include <QApplication>
#include <QMessageBox>

#include "Unit1/error_box.h"
#include "Unit1/qt_text.h"

namespace vantrel {

bool AskUser(const std::string& text, const std::string& details) {
  QMessageBox box(QMessageBox::Question, kMessageBoxTitle, ToQt(text), QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  if (!details.empty()) box.setDetailedText(ToQt(details));
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

FormView::Reply AskUserOrCancel(const std::string& text) {
  QMessageBox box(QMessageBox::Question, kMessageBoxTitle, ToQt(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return FormView::Reply::Yes;
    case QMessageBox::No:
      return FormView::Reply::No;
    default:
      return FormView::Reply::Cancel;
  }
}

}  // namespace vantrel
