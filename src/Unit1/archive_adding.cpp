// "Add patch from archive...": an archive picked in a file dialog or dropped on Available
// patches becomes a patch folder of the working folder, then the new patch is picked. In the
// Qt view for now (file dialog, input dialogs, progress): the Windows build has no archive
// layer yet, so no presenter decision is shared with a second view.
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QProgressDialog>
#include <QStandardPaths>

#include <optional>
#include <vector>

#include "Unit1/entry_list_view.h"
#include "Unit1/error_box.h"
#include "Unit1/form.h"
#include "Unit1/job_panel.h"
#include "Unit1/qt_text.h"
#include "archive/patch_archive.h"
#include "catalogue/list_line.h"
#include "platform/new_folder.h"
#include "Unit1/our_settings.h"

namespace vantrel {

namespace {

constexpr const char* kArchiveFolderKey = "archive/folder";
// Archives larger than this, unpacked, show their progress.
constexpr std::uint64_t kProgressFrom = 20u << 20;

// The user's cancel of the progress dialog: it stops the unpacking, which leaves nothing.
struct Cancelled {};

std::optional<std::string> ChooseArchive(QWidget* parent) {
  QSettings settings = OurSettings();
  const QString start =
      settings.value(kArchiveFolderKey, QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)).toString();
  const QString file = QFileDialog::getOpenFileName(
      parent, "Add patch from archive", start,
      "Archives (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tar.xz);;All files (*)");
  if (file.isEmpty()) return std::nullopt;
  settings.setValue(kArchiveFolderKey, QFileInfo(file).absolutePath());
  return FromQt(file);
}

QString PatchChoice(const archive::FoundPatch& patch) {
  return ToQt(patch.patchCode + " " + patch.defaultName + (patch.innerPath.empty() ? "" : "   (" + patch.innerPath + ")"));
}

std::optional<std::size_t> ChoosePatch(QWidget* parent, const std::string& archiveName,
                                       const std::vector<archive::FoundPatch>& found) {
  QStringList choices;
  for (const archive::FoundPatch& patch : found) choices << PatchChoice(patch);
  bool ok = false;
  const QString picked = QInputDialog::getItem(
      parent, kMessageBoxTitle, ToQt(archiveName + " holds " + std::to_string(found.size()) + " patches. Add which?"),
      choices, 0, false, &ok);
  if (!ok) return std::nullopt;
  return static_cast<std::size_t>(choices.indexOf(picked));
}

// Asks until the name is one a new patch folder can take; nothing when the user cancels.
std::optional<std::string> FreeFolderName(QWidget* parent, std::string name) {
  for (;;) {
    std::string why;
    if (!archive::GoodFolderName(name)) {
      why = archive::BadFolderNameText(name);
    } else if (platform::NameTaken(name)) {
      why = platform::NameTakenText(name);
    } else {
      return name;
    }
    bool ok = false;
    const QString other = QInputDialog::getText(parent, kMessageBoxTitle, ToQt(why + "\nAdd the patch as:"),
                                                QLineEdit::Normal, ToQt(name), &ok);
    if (!ok) return std::nullopt;
    name = FromQt(other.trimmed());
  }
}

// Shows a progress dialog while a large patch is unpacked; its Cancel stops the unpacking.
void Unpack(QWidget* parent, const std::string& archivePath, const archive::FoundPatch& patch,
            const std::string& name) {
  if (patch.unpackedSize <= kProgressFrom) {
    archive::ExtractPatchFolder(archivePath, patch, name);
    return;
  }
  QProgressDialog progress(ToQt("Unpacking " + name + " ..."), "Cancel", 0, 1000, parent);
  progress.setObjectName("UnpackProgress");
  progress.setWindowTitle(kMessageBoxTitle);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);
  archive::ExtractPatchFolder(archivePath, patch, name, [&](std::uint64_t done, std::uint64_t total) {
    progress.setValue(total == 0 ? 1000 : static_cast<int>(done * 1000 / total));
    QCoreApplication::processEvents();
    if (progress.wasCanceled()) throw Cancelled{};
  });
}

}  // namespace

void TForm1::addArchive() {
  if (const std::optional<std::string> archivePath = ChooseArchive(this)) AddPatchArchive(*archivePath);
}

void TForm1::AddPatchArchive(const std::string& archivePath) {
  const std::vector<archive::FoundPatch> found = archive::FindPatchFolders(archivePath);
  std::size_t which = 0;
  if (found.size() > 1) {
    const std::optional<std::size_t> picked = ChoosePatch(this, QFileInfo(ToQt(archivePath)).fileName().toStdString(), found);
    if (!picked) return;
    which = *picked;
  }
  const std::optional<std::string> name = FreeFolderName(this, found[which].defaultName);
  if (!name) return;
  try {
    Unpack(this, archivePath, found[which], *name);
  } catch (const Cancelled&) {
    return;  // the user's own stop: nothing was added, and nothing is left of it
  }
  Jobs->ShowOutcome(archive::AddedText(archivePath, found[which], *name));
  // What the user would do next: refresh the list and pick the new patch in it.
  presenter_->Clicked(Control::Button1);
  const std::vector<std::string>& lines = cat_.ListBox1.Items();
  for (std::size_t row = 0; row < lines.size(); ++row) {
    if (LineName(lines[row]) != *name) continue;
    cat_.ListBox1.Select(static_cast<int>(row));
    presenter_->Picked(Control::ListBox1);
    return;
  }
}

}  // namespace vantrel
