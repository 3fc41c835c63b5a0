// Start-up: the answers that need no window first, then the process-wide state, the working
// folder, the window and the event loop. The window's first activation performs the first
// scan.
#include <QApplication>

#include <iostream>

#include "Unit1/error_box.h"
#include "Unit1/form.h"
#include "app/command_line.h"
#include "app/folder_dialog.h"
#include "app/start_up.h"
#include "engine/session.h"
#include "platform/game_tree.h"
#include "rbext/run_shell.h"

int main(int argc, char** argv) {
  using namespace vantrel;
  if (auto status = app::AnswerHelpOrVersion({argv + 1, argv + argc}, std::cout)) return *status;

  platform::ConfineWritesToGameTree(true);
  Session session;  // its catalogue builds the slot name table
  session.shellProgram = JobShellProgram();

  QApplication app(argc, argv);  // takes Qt's own options out of argv
  // The application's name, not its display name: Qt would append a display name to the
  // window's caption.
  QApplication::setApplicationName("Vantrel");

  const auto fail = [](const std::string& text, int status) {
    std::cerr << app::kProgram << ": " << text << '\n';
    if (status == 2) std::cerr << app::HelpHint() << '\n';
    if (status == 1) ShowMessageBox(text);  // started from a menu, nobody reads the error stream
  };
  if (const auto status = app::StartInWorkingFolder({argv + 1, argv + argc}, app::AskForWorkingFolder, fail)) {
    return *status;
  }

  session.patchFoldersAhead.Start();  // read while the window is built
  TForm1 form(session);
  form.show();
  form.activateWindow();  // its first activation loads the lists
  return QApplication::exec();
}
