// Adding from archives through the window's own dialogs: the file dialog (Ctrl+O), a drop on
// Available patches, the input dialogs of the presenter's questions, the progress dialog of a
// large archive and its cancel. What is asked and when is the presenter's (tests/window).
#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "Unit1/qt_text.h"
#include "archive_fixture.h"
#include "catalogue/list_line.h"
#include "window_fixture.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;

class ArchiveWindowTest : public WindowTest {
 protected:
  // downloads/NAME.zip beside the game, holding `entries`.
  std::string Download(const std::string& name, const std::vector<Entry>& entries) {
    const fs::path file = temp_.path() / "downloads" / (name + ".zip");
    fs::create_directories(file.parent_path());
    MakeArchive(file, Format::Zip, entries);
    return file.string();
  }
  void Drop(const std::string& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(ToQt(file))});
    QWidget* viewport = Find<QListView>("ListBox1")->viewport();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
  }
  std::set<std::string> WorkFolder() const { return ArchiveFixture::Listing(Work()); }
  std::string Edit1() const { return FromQt(Find<QLineEdit>("Edit1")->text()); }
  std::string Outcome() const { return FromQt(Find<QLabel>("JobOutcome")->text()); }

  const std::vector<Entry> kBigGun = {{"Big Gun/06209000.dml", "shape"}, {"Big Gun/0620tex1.bmp", "texture"}};
};

TEST_F(ArchiveWindowTest, CtrlOAddsThePatchOfTheArchiveChosenAndPicksIt) {
  const std::string zip = Download("big-gun-v2", {{"big-gun-v2/readme.txt", "read me"}, kBigGun[0], kBigGun[1]});
  std::vector<std::string> titles;
  ModalAnswerer answer([&](QWidget& dialog) {
    // A file dialog accepted before it has read its folder may find no such file and say so
    // in a box of its own, which runs until answered: so the dialog is accepted from the
    // event loop, not from here, and the next tick closes the box and chooses the file again.
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) return box->done(QMessageBox::Ok);
    auto* files = qobject_cast<QFileDialog*>(&dialog);
    if (!files) return;
    if (titles.empty()) titles.push_back(FromQt(files->windowTitle()));
    files->selectFile(ToQt(zip));
    QTimer::singleShot(0, files, [files] { static_cast<QDialog*>(files)->accept(); });  // public as a QDialog
  });
  QTest::keyClick(Find<QWidget>("ListBox2"), Qt::Key_O, Qt::ControlModifier);
  ASSERT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(titles, std::vector<std::string>{"Add patch from archive"});
  EXPECT_EQ(temp_.read("game/Simpatch/Big Gun/0620tex1.bmp"), "texture");
  EXPECT_EQ(Shown("ListBox1").size(), 5u);
  EXPECT_EQ(Highlighted("ListBox1"), "0620 Big Gun");
  EXPECT_TRUE(Edit1().starts_with("0620 Big Gun ==> ")) << Edit1();
  EXPECT_EQ(Outcome(), "Big Gun (0620) is added from big-gun-v2.zip.");
}

// The presenter's questions come up as input dialogs: which of several patches, and another
// name for a taken one.
TEST_F(ArchiveWindowTest, ADropAsksWhichPatchAndAnotherNameForATakenOne) {
  const std::string zip =
      Download("tanks", {{"pack/Big Tank/060E9000.dml", "new tank"}, {"pack/Small Tank/06109000.dml", "small"}});
  std::vector<std::string> asked;
  ModalAnswerer answer([&](QWidget& dialog) {
    auto* question = qobject_cast<QInputDialog*>(&dialog);
    if (!question) return;
    asked.push_back(FromQt(question->windowTitle() + ": " + question->labelText()));
    const bool choice = !question->comboBoxItems().isEmpty();
    question->setTextValue(choice ? "060E Big Tank   (pack/Big Tank)" : "Big Tank 2");
    question->accept();
  });
  Drop(zip);
  ASSERT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(asked, (std::vector<std::string>{
                       "Vantrel: tanks.zip holds 2 patches. Add which?",
                       "Vantrel: There is already a file or folder named Big Tank in the working folder.\nAdd the patch as:"}));
  EXPECT_EQ(temp_.read("game/Simpatch/Big Tank 2/060E9000.dml"), "new tank");
  EXPECT_EQ(Highlighted("ListBox1"), "060E Big Tank 2");
}

// A large patch shows its progress; a cancel stops the unpacking and leaves nothing behind.
TEST_F(ArchiveWindowTest, ALargeArchiveShowsItsProgressAndItsCancelLeavesNothing) {
  const std::string zip = Download("huge", {{"Huge/06209000.dml", "shape"}, {"Huge/0620.vol", Varied(21 << 20, 7)}});
  const std::set<std::string> before = WorkFolder();
  bool shown = false;
  QTimer cancel;
  QObject::connect(&cancel, &QTimer::timeout, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* progress = qobject_cast<QProgressDialog*>(window);
      if (!progress || !progress->isVisible()) continue;
      shown = true;
      progress->cancel();
    }
  });
  cancel.start(5);
  Drop(zip);
  cancel.stop();
  EXPECT_TRUE(shown);
  EXPECT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(WorkFolder(), before);
}

}  // namespace
}  // namespace vantrel::testing
