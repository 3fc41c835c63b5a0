// Start-up: the process-wide state first, then the window, then the event loop. The window's
// first activation performs the first scan.
#include <QApplication>

#include "Unit1/form.h"
#include "engine/session.h"
#include "platform/game_tree.h"
#include "platform/process.h"

int main(int argc, char** argv) {
  vantrel::platform::ConfineWritesToGameTree(true);
  vantrel::Session session;  // its catalogue builds the slot name table
  session.shellProgram = vantrel::platform::IsNtFamily() ? "cmd" : "command";

  QApplication app(argc, argv);
  // The application's name, not its display name: Qt would append a display name to the
  // window's caption.
  QApplication::setApplicationName("Vantrel");

  vantrel::TForm1 form(session);
  form.show();
  form.activateWindow();  // its first activation loads the lists
  return QApplication::exec();
}
