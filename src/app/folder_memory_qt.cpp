#include "app/folder_memory.h"


#include "platform/errors.h"
#include "Unit1/our_settings.h"

namespace vantrel::app {

namespace {

// Where earlier versions kept the folder ("start/folder"): users' settings hold it there.
QString KeyOf(const char* name) { return QString("start/") + name; }

}  // namespace

namespace detail {

std::string Recall(const char* name) { return OurSettings().value(KeyOf(name)).toString().toStdString(); }

void Store(const char* name, const std::string& text) {
  QSettings settings = OurSettings();
  settings.setValue(KeyOf(name), QString::fromStdString(text));
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    throw Error("The working folder cannot be remembered in " + settings.fileName().toStdString() + ".");
  }
}

}  // namespace detail

}  // namespace vantrel::app
