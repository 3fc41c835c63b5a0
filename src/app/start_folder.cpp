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

bool EnterWorkingFolder(const std::string& given, const FolderChooser& choose) {
  if (!given.empty()) {
    if (const std::string why = EnterIfWorkingFolder(given, given); !why.empty()) throw UsageError(why);
  } else if (!WhyNotAWorkingFolder(platform::CurrentDirectory()).empty()) {
    std::string start = DialogStart();
    std::string why;
    do {
      const std::string chosen = choose(start, why);
      if (chosen.empty()) return false;
      why = EnterIfWorkingFolder(chosen, chosen);
      start = chosen;  // the game's folder, say: its working folders are a step away
    } while (!why.empty());
  }
  RememberFolder(platform::CurrentDirectory());
  return true;
}

}  // namespace vantrel::app
