#include "app/folder_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace vantrel::app {

std::string HomeFolder() { return QDir::homePath().toStdString(); }

std::string AskForWorkingFolder(const std::string& start) {
  return QFileDialog::getExistingDirectory(nullptr, kFolderDialogTitle, QString::fromStdString(start)).toStdString();
}

}  // namespace vantrel::app
