// Linux's parts of the start-up: the folder remembered where Qt's settings have always kept
// it, and Qt's folder dialog.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/folder_dialog.h"
#include "app/folder_memory.h"
#include "temp_dir.h"

namespace vantrel::app {
namespace {

// Users' settings hold the folder under this key from earlier versions: both ways round.
TEST(FolderMemory, IsQtsSettingStartFolderOfVantrel) {
  RememberFolder("/games/sim/Simpatch");
  EXPECT_EQ(QSettings("Vantrel", "Vantrel").value("start/folder").toString(), "/games/sim/Simpatch");
  QSettings("Vantrel", "Vantrel").setValue("start/folder", QString::fromUtf8("/spiele/d\xC3\xA9mo"));
  EXPECT_EQ(RememberedFolder(), "/spiele/d\xC3\xA9mo");
  RememberFolder("");
  EXPECT_EQ(RememberedFolder(), "");
}

TEST(FolderDialog, FirstStartsAtTheHomeFolder) { EXPECT_EQ(HomeFolder(), QDir::homePath().toStdString()); }

// The program's own chooser: the folder dialog, answered as the user would.
TEST(FolderDialog, ReturnsTheFolderChosenAndNothingWhenCancelled) {
  testing::TempDir temp;
  temp.mkdir("game/Simpatch");
  const std::string start = (temp.path() / "game").string();
  const QString work = QString::fromStdString((temp.path() / "game/Simpatch").string());
  QString startedAt;
  QString title;
  for (bool choose : {true, false}) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr) << "no folder dialog";
      startedAt = dialog->directory().absolutePath();
      title = dialog->windowTitle();
      dialog->setDirectory(work);
      // Through QDialog, where the two are public.
      QDialog* box = dialog;
      choose ? box->accept() : box->reject();
    });
    EXPECT_EQ(AskForWorkingFolder(start, ""), choose ? work.toStdString() : std::string());
    EXPECT_EQ(startedAt.toStdString(), start);
    EXPECT_EQ(title, "Vantrel: the game's working folder");
  }
}

// Asked again after a refusal, the user reads why in a box before the dialog comes up.
TEST(FolderDialog, TellsWhyTheLastFolderWasRefusedBeforeAskingAgain) {
  testing::TempDir temp;
  temp.mkdir("game/Simpatch");
  const QString work = QString::fromStdString((temp.path() / "game/Simpatch").string());
  std::vector<std::string> seen;
  std::function<void()> answer = [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen.push_back("box: " + box->windowTitle().toStdString() + ": " + box->text().toStdString());
      box->accept();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      seen.push_back("dialog");
      dialog->setDirectory(work);
      static_cast<QDialog*>(dialog)->accept();
      return;
    }
    QTimer::singleShot(0, answer);  // the dialog comes up once the box is gone
  };
  QTimer::singleShot(0, answer);
  EXPECT_EQ(AskForWorkingFolder((temp.path() / "game").string(), "game holds the game's own archives (rb.vol)"),
            work.toStdString());
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "box: Vantrel: the game's working folder: game holds the game's own archives (rb.vol)", "dialog"}));
}

}  // namespace
}  // namespace vantrel::app
