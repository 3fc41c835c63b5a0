// Start-up: the answers that need no window first, then the process-wide state, the working
// folder, the window and the event loop. The window's first activation performs the first
// scan.
#include <QApplication>
#include <QInputDialog>

#include <iostream>

#include "Unit1/error_box.h"
#include "Unit1/font_config_ahead.h"
#include "Unit1/form.h"
#include "app/command_line.h"
#include "app/folder_dialog.h"
#include "app/folder_memory.h"
#include "app/start_up.h"
#include "engine/session.h"
#include "games/game_search.h"
#include "platform/game_tree.h"
#include "rbext/run_shell.h"

namespace {

// Which of the game's installs to work on, before the window is up.
std::optional<std::size_t> AskWhichGame(const std::string& question, const std::vector<std::string>& choices) {
  QStringList items;
  for (const std::string& choice : choices) items << QString::fromStdString(choice);
  bool ok = false;
  const QString picked =
      QInputDialog::getItem(nullptr, "Vantrel", QString::fromStdString(question), items, 0, false, &ok);
  if (!ok) return std::nullopt;
  return static_cast<std::size_t>(items.indexOf(picked));
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vantrel;
  if (auto status = app::AnswerHelpOrVersion({argv + 1, argv + argc}, std::cout)) return *status;

  FontConfigAhead fonts;  // read while Qt starts
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
  if (const auto status = app::StartInWorkingFolder({argv + 1, argv + argc}, app::AskForWorkingFolder, fail,
                                                          {games::FindGamesOnThisMachine, AskWhichGame})) {
    return *status;
  }

  session.patchFoldersAhead.Start();  // read while the window is built
  fonts.Wait();
  TForm1 form(session);
  form.SetGameSwitching({games::FindGamesOnThisMachine, app::RememberedGames, app::RememberWorkingFolder,
                         [](const std::string& why) { return app::AskForWorkingFolder(app::RememberedFolder(), why); }});
  form.show();
  form.activateWindow();  // its first activation loads the lists
  return QApplication::exec();
}
