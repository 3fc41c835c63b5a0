#include "app/folder_memory.h"

#include <QSettings>

#include "platform/errors.h"

namespace vantrel::app {

namespace {

// Where earlier versions kept it: users' settings hold it there.
constexpr const char* kFolderKey = "start/folder";

}  // namespace

std::string RememberedFolder() { return QSettings("Vantrel", "Vantrel").value(kFolderKey).toString().toStdString(); }

void RememberFolder(const std::string& folder) {
  QSettings settings("Vantrel", "Vantrel");
  settings.setValue(kFolderKey, QString::fromStdString(folder));
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    throw Error("The working folder cannot be remembered in " + settings.fileName().toStdString() + ".");
  }
}

}  // namespace vantrel::app
