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

}  // namespace

bool InWorkingFolder() { return HoldsPatchFolder() || HoldsModelFile(); }

bool EnterWorkingFolder(const std::string& given, const FolderChooser& choose) {
  if (!given.empty()) {
    Enter(given);
  } else if (!InWorkingFolder()) {
    const std::string last = RememberedFolder();
    const std::string chosen = choose(!last.empty() && platform::DirectoryExists(last) ? last : HomeFolder());
    if (chosen.empty()) return false;
    Enter(chosen);
  }
  RememberFolder(platform::CurrentDirectory());
  return true;
}

}  // namespace vantrel::app
