// The presenter's "Other game..." handler: another install of the game, remembered or found
// on this machine, or a folder the user picks, becomes the working folder.
#include "engine/working_folder.h"
#include "games/game_choice.h"
#include "platform/files.h"
#include "platform/names.h"
#include "window/form_presenter.h"

namespace vantrel {

// An install is entered at the working folder of the name the window works in now, where it
// has one. A folder picked in the dialog that is none of a game's working folders is refused
// with the reason, and the dialog asked again; Cancel keeps the folder the window works in.
void FormPresenter::switchGame() {
  if (!gameSwitching_.find) return;
  if (PutOffWhileAJobRuns(&FormPresenter::switchGame, "The switch to another install waits for the running job.")) {
    return;
  }
  const games::GameChoices choices = games::ChoicesOf(gameSwitching_.remembered(), gameSwitching_.find());
  const std::optional<std::size_t> pick = view_.Choose(games::kWhichGameQuestion, choices.texts);
  if (!pick) return;
  // A check under way reads the game from the current folder, which may change below.
  status_.Stop();
  std::string why;
  if (*pick < choices.installs.size()) {
    const std::string now = platform::SplitLastComponent(platform::CurrentDirectory()).name;
    const std::string folder = games::WorkingFolderOf(choices.installs[*pick], now);
    why = EnterIfWorkingFolder(folder, folder);
  } else {
    do {
      const std::string folder = gameSwitching_.chooseFolder(why);
      if (folder.empty()) return;
      why = EnterIfWorkingFolder(folder, folder);
    } while (!why.empty());
  }
  if (!why.empty()) return view_.ShowMessage(why);
  gameSwitching_.remember(platform::CurrentDirectory());
  Loadpatches();
}

}  // namespace vantrel
