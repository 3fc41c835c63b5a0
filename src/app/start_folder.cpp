#include "app/start_folder.h"

#include "app/folder_dialog.h"
#include "app/folder_memory.h"
#include "catalogue/scan.h"
#include "engine/model_records.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace vantrel::app {

namespace {

void Enter(const std::string& folder) {
  try {
    platform::ChangeDirectory(folder);
  } catch (const InOutError& e) {
    // The system's text alone does not say which folder the user gave.
    throw InOutError(e.code(), folder);
  }
}

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

bool InWorkingFolder() { return HoldsPatchFolder() || HoldsModelFile(); }

bool EnterWorkingFolder(const std::string& given, const FolderChooser& choose) {
  if (!given.empty()) {
    Enter(given);
  } else if (!InWorkingFolder()) {
    const std::string chosen = choose(DialogStart());
    if (chosen.empty()) return false;
    Enter(chosen);
  }
  RememberFolder(platform::CurrentDirectory());
  return true;
}

}  // namespace vantrel::app
