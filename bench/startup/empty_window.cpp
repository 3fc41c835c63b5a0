// The baseline: an empty Qt window of the main window's size, quitting once it is active.
#include <QApplication>
#include <QWidget>

#include "quit_when_active.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(875, 868);
  QuitWhenActive quit;
  window.installEventFilter(&quit);
  window.show();
  window.activateWindow();
  return QApplication::exec();
}
