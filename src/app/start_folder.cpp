#include "app/start_folder.h"

#include "app/folder_dialog.h"
#include "app/folder_memory.h"
#include "engine/working_folder.h"
#include "games/game_choice.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/names.h"

namespace vantrel::app {

namespace {

// Where the folder dialog opens: the folder of the last run while it can be looked at, else
// the home folder. Only where the dialog starts hangs on it, so a disk that fails the look
// costs the user no start.
std::string DialogStart() {
  const std::string last = RememberedFolder();
  try {
    if (!last.empty() && platform::DirectoryExists(last)) return last;
  } catch (const InOutError&) {
  }
  return HomeFolder();
}

// The install the user picks among those remembered and found, entered; "" when one was
// entered, else why not (the dialog's turn: the user asked for it or none is offered), and
// nothing when the user cancelled.
std::optional<std::string> EnterOfferedGame(const GameOffer& offer) {
  const games::GameChoices choices = games::ChoicesOf(RememberedGames(), offer.find());
  if (choices.installs.empty()) return "no install offered";
  const std::optional<std::size_t> pick = offer.choose(games::kWhichGameQuestion, choices.texts);
  if (!pick) return std::nullopt;
  if (*pick >= choices.installs.size()) return "a folder of the user's choice";
  const std::string last = platform::SplitLastComponent(RememberedFolder()).name;
  const std::string folder = games::WorkingFolderOf(choices.installs[*pick], last);
  return EnterIfWorkingFolder(folder, folder);
}

}  // namespace

// A folder the user named, given or picked, that is none is told why before the dialog asks
// again; the folder the program was started in was no choice of the user's, so the first
// question comes without a reason.
bool EnterWorkingFolder(const std::string& given, const FolderChooser& choose, const GameOffer& offer) {
  std::string why;
  std::string start = given;  // the game's folder, say: its working folders are a step away
  bool taken = false;
  if (!given.empty()) {
    why = EnterIfWorkingFolder(given, given);
    taken = why.empty();
  } else {
    taken = WhyNotAWorkingFolder(platform::CurrentDirectory()).empty();
    if (!taken && offer.find) {
      const std::optional<std::string> offered = EnterOfferedGame(offer);
      if (!offered) return false;
      taken = offered->empty();
    }
    if (!taken) start = DialogStart();
  }
  while (!taken) {
    const std::string chosen = choose(start, why);
    if (chosen.empty()) return false;
    why = EnterIfWorkingFolder(chosen, chosen);
    taken = why.empty();
    start = chosen;
  }
  RememberWorkingFolder(platform::CurrentDirectory());
  return true;
}

}  // namespace vantrel::app
