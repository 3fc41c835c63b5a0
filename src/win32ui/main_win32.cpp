// Start-up on Windows: the answers that need no window first, then the working folder, the
// process-wide state, the window, its view, the job runner and the presenter, and the message
// loop until the window is closed. The window's first activation performs the first scan.
// Started from a menu, the program has no console: what the Linux program prints goes to a
// message box here, with the same exit status.
#include <windows.h>

#include <exception>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/folder_dialog.h"
#include "app/folder_memory.h"
#include "app/start_up.h"
#include "app/wide_arguments.h"
#include "engine/session.h"
#include "games/game_search.h"
#include "platform/game_tree.h"
#include "rbext/run_shell.h"
#include "win32ui/input_boxes.h"
#include "win32ui/message_boxes.h"
#include "win32ui/message_loop.h"
#include "win32ui/win32_form_view.h"
#include "win32ui/win32_job_runner.h"
#include "window/form_presenter.h"

namespace {

// Often enough that a job's end shows at once, seldom enough to cost nothing.
constexpr UINT kJobPollMilliseconds = 250;

int Run(HINSTANCE instance, int show) {
  using namespace vantrel;
  using namespace vantrel::win32ui;
  platform::ConfineWritesToGameTree(true);
  Session session;  // its catalogue builds the slot name table
  session.shellProgram = JobShellProgram();
  session.patchFoldersAhead.Start();  // read while the window is built

  MainWindow window(instance, session.cat);
  Win32FormView view(window, LoadPreviewPicture);
  // The job runner tells failures in a box, the outcome line and the job's end to the window;
  // the window's timer polls it.
  Win32JobRunner jobs({[&view](const std::string& text) { view.ShowMessage(text); },
                       [&window](const std::string& line) { window.ShowJobOutcome(line); },
                       [&window] { window.JobEnded(); }});
  window.EveryTick(kJobPollMilliseconds, [&jobs] { jobs.Poll(); });

  FormPresenter presenter(session, view, jobs);
  presenter.SetGameSwitching({games::FindGamesOnThisMachine, app::RememberedGames, app::RememberWorkingFolder,
                              [](const std::string& why) { return app::AskForWorkingFolder(app::RememberedFolder(), why); }});
  EventsTo<FormPresenter> events(presenter);
  window.Forward(events);
  window.OnDestroyed([] { ::PostQuitMessage(0); });
  window.Show(show);
  return RunMessageLoop(window);
}

// The command line's answer and the working folder: the exit status when the program ends
// here, nothing when the window is to come up.
std::optional<int> Start() {
  using namespace vantrel;
  using win32ui::ShowMessageBox;
  std::vector<std::string> args;
  try {
    args = app::ArgumentsOf(::GetCommandLineW());
  } catch (const std::exception& e) {
    ShowMessageBox(nullptr, e.what());
    return 1;
  }
  std::ostringstream answer;
  if (const auto status = app::AnswerHelpOrVersion(args, answer)) {
    ShowMessageBox(nullptr, answer.str());
    return status;
  }
  // Which of the game's installs to work on, before the window is up.
  const auto askWhichGame = [](const std::string& question, const std::vector<std::string>& choices) {
    return win32ui::AskChoice(nullptr, question, choices);
  };
  return app::StartInWorkingFolder(
      args, app::AskForWorkingFolder,
      [](const std::string& text, int status) {
        ShowMessageBox(nullptr, status == 2 ? text + '\n' + app::HelpHint() : text);
      },
      {games::FindGamesOnThisMachine, askWhichGame});
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  if (const auto status = Start()) return *status;
  try {
    return Run(instance, show);
  } catch (const std::exception& e) {
    // Started from Explorer, nobody reads an error stream.
    vantrel::win32ui::ShowMessageBox(nullptr, e.what());
    return 1;
  }
}
