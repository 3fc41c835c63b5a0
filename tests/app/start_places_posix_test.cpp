// Linux's parts of the start-up: the folder remembered where Qt's settings have always kept
// it, and Qt's folder dialog.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

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
    EXPECT_EQ(AskForWorkingFolder(start), choose ? work.toStdString() : std::string());
    EXPECT_EQ(startedAt.toStdString(), start);
    EXPECT_EQ(title, "Vantrel: the game's working folder");
  }
}

}  // namespace
}  // namespace vantrel::app
