#include "Unit1/error_box.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

#include "Unit1/qt_text.h"

namespace vantrel {

void ShowMessageBox(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, kMessageBoxTitle, ToQt(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void RunHandler(const MessageHook& show, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {  // vantrel::Error and the library's own failures alike
    show(e.what());
  }
}

}  // namespace vantrel
