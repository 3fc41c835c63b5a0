#include "app/folder_memory.h"


#include "platform/errors.h"
#include "Unit1/our_settings.h"

namespace vantrel::app {

namespace {

// Where earlier versions kept it: users' settings hold it there.
constexpr const char* kFolderKey = "start/folder";

}  // namespace

std::string RememberedFolder() { return OurSettings().value(kFolderKey).toString().toStdString(); }

void RememberFolder(const std::string& folder) {
  QSettings settings = OurSettings();
  settings.setValue(kFolderKey, QString::fromStdString(folder));
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    throw Error("The working folder cannot be remembered in " + settings.fileName().toStdString() + ".");
  }
}

}  // namespace vantrel::app
