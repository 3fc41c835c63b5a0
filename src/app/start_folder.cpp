#include "app/start_folder.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>

#include "catalogue/scan.h"
#include "engine/model_records.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace vantrel::app {

namespace {

constexpr const char* kFolderKey = "start/folder";

void Enter(const std::string& folder) {
  try {
    platform::ChangeDirectory(folder);
  } catch (const InOutError& e) {
    // The system's text alone does not say which folder the user gave.
    throw InOutError(e.code(), folder);
  }
}

void Remember() { QSettings("Vantrel", "Vantrel").setValue(kFolderKey, QDir::currentPath()); }

}  // namespace

QString AskForWorkingFolder(const QString& start) {
  return QFileDialog::getExistingDirectory(nullptr, "Vantrel: the game's working folder", start);
}

bool InWorkingFolder() { return HoldsPatchFolder() || HoldsModelFile(); }

QString RememberedFolder() { return QSettings("Vantrel", "Vantrel").value(kFolderKey).toString(); }

bool EnterWorkingFolder(const std::string& given, const FolderChooser& choose) {
  if (!given.empty()) {
    Enter(given);
  } else if (!InWorkingFolder()) {
    const QString last = RememberedFolder();
    const QString chosen = choose(!last.isEmpty() && QDir(last).exists() ? last : QDir::homePath());
    if (chosen.isEmpty()) return false;
    Enter(chosen.toStdString());
  }
  Remember();
  return true;
}

}  // namespace vantrel::app
