#include "app/folder_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace vantrel::app {

std::string HomeFolder() { return QDir::homePath().toStdString(); }

std::string AskForWorkingFolder(const std::string& start, const std::string& why) {
  if (!why.empty()) QMessageBox::warning(nullptr, kFolderDialogTitle, QString::fromStdString(why));
  return QFileDialog::getExistingDirectory(nullptr, kFolderDialogTitle, QString::fromStdString(start)).toStdString();
}

}  // namespace vantrel::app
