#include "Unit1/error_box.h"

#include <QApplication>
#include <QMessageBox>

#include "Unit1/qt_text.h"

namespace vantrel {

void ShowMessageBox(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, kMessageBoxTitle, ToQt(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace vantrel
