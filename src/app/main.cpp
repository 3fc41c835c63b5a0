// Start-up: the answers that need no window first, then the process-wide state, the working
// folder, the window and the event loop. The window's first activation performs the first
// scan.
#include <QApplication>

#include <iostream>

#include "Unit1/error_box.h"
#include "Unit1/form.h"
#include "app/command_line.h"
#include "app/folder_dialog.h"
#include "app/start_folder.h"
#include "engine/session.h"
#include "platform/errors.h"
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

  try {
    if (!app::EnterWorkingFolder(app::FolderArgument({argv + 1, argv + argc}), app::AskForWorkingFolder)) {
      return 0;  // the user cancelled the folder dialog: nothing to work on
    }
  } catch (const UsageError& e) {
    std::cerr << app::kProgram << ": " << e.what() << "\nTry '" << app::kProgram << " --help'.\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << app::kProgram << ": " << e.what() << '\n';
    ShowMessageBox(e.what());  // started from a menu, nobody reads the error stream
    return 1;
  }

  TForm1 form(session);
  form.show();
  form.activateWindow();  // its first activation loads the lists
  return QApplication::exec();
}
