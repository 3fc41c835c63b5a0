#include "app/start_folder.h"

#include "app/folder_dialog.h"
#include "app/folder_memory.h"
#include "engine/working_folder.h"
#include "platform/errors.h"
#include "platform/files.h"

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

}  // namespace

// A folder the user named, given or picked, that is none is told why before the dialog asks
// again; the folder the program was started in was no choice of the user's, so the first
// question comes without a reason.
bool EnterWorkingFolder(const std::string& given, const FolderChooser& choose) {
  std::string why;
  std::string start = given;  // the game's folder, say: its working folders are a step away
  bool taken = false;
  if (!given.empty()) {
    why = EnterIfWorkingFolder(given, given);
    taken = why.empty();
  } else {
    taken = WhyNotAWorkingFolder(platform::CurrentDirectory()).empty();
    if (!taken) start = DialogStart();
  }
  while (!taken) {
    const std::string chosen = choose(start, why);
    if (chosen.empty()) return false;
    why = EnterIfWorkingFolder(chosen, chosen);
    taken = why.empty();
    start = chosen;
  }
  RememberFolder(platform::CurrentDirectory());
  return true;
}

}  // namespace vantrel::app
