// The Qt view's dialogs of adding a patch from an archive (the file dialog, which remembers
// its folder, the questions and the progress) and the file dialog of a patch set's export
// and import. What they ask and when is the presenter's.
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QProgressDialog>
#include <QStandardPaths>

#include "Unit1/error_box.h"
#include "Unit1/form.h"
#include "Unit1/our_settings.h"
#include "Unit1/qt_text.h"

namespace vantrel {

namespace {

constexpr const char* kArchiveFolderKey = "archive/folder";

// "Archives (*.zip *.7z ...);;All files (*)"
QString ArchiveFilter() {
  QStringList patterns;
  for (const std::string_view pattern : kArchivePatterns) patterns << ToQt(pattern);
  return "Archives (" + patterns.join(' ') + ");;All files (*)";
}

}  // namespace

std::optional<std::string> TForm1::ChooseArchive() {
  QSettings settings = OurSettings();
  const QString start =
      settings.value(kArchiveFolderKey, QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)).toString();
  const QString file = QFileDialog::getOpenFileName(this, ToQt(kArchiveDialogTitle), start, ArchiveFilter());
  if (file.isEmpty()) return std::nullopt;
  settings.setValue(kArchiveFolderKey, QFileInfo(file).absolutePath());
  return FromQt(file);
}

std::optional<std::string> TForm1::ChooseSetFile(bool toSave) {
  const QString filter = "Patch sets (*.set);;All files (*)";
  const QString file = toSave ? QFileDialog::getSaveFileName(this, ToQt(kExportSetTitle), QDir::homePath(), filter)
                              : QFileDialog::getOpenFileName(this, ToQt(kImportSetTitle), QDir::homePath(), filter);
  if (file.isEmpty()) return std::nullopt;
  return FromQt(file);
}

std::optional<std::size_t> TForm1::Choose(const std::string& question, const std::vector<std::string>& choices) {
  QStringList items;
  for (const std::string& choice : choices) items << ToQt(choice);
  bool ok = false;
  const QString picked = QInputDialog::getItem(this, kMessageBoxTitle, ToQt(question), items, 0, false, &ok);
  if (!ok) return std::nullopt;
  return static_cast<std::size_t>(items.indexOf(picked));
}

std::optional<std::string> TForm1::AskText(const std::string& question, const std::string& text) {
  bool ok = false;
  const QString typed =
      QInputDialog::getText(this, kMessageBoxTitle, ToQt(question), QLineEdit::Normal, ToQt(text), &ok);
  if (!ok) return std::nullopt;
  return FromQt(typed);
}

// Window-modal: the window waits, while its events (a job's console among them) go on.
bool TForm1::ShowProgress(const std::string& what, int thousandths) {
  if (!progress_) {
    progress_ = std::make_unique<QProgressDialog>(ToQt(what), "Cancel", 0, 1000, this);
    progress_->setObjectName("UnpackProgress");
    progress_->setWindowTitle(kMessageBoxTitle);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
  }
  progress_->setLabelText(ToQt(what));
  progress_->setValue(thousandths);
  QCoreApplication::processEvents();
  return !progress_->wasCanceled();
}

void TForm1::EndProgress() { progress_.reset(); }

}  // namespace vantrel
