// How the window puts the questions "Activate this choice" asks before it writes anything.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <map>

#include "Unit1/qt_text.h"
#include "Unit1/question_box.h"
#include "window_fixture.h"

namespace vantrel::testing {
namespace {

class ActivationQuestionsTest : public WindowTest {
 protected:
  std::map<std::string, std::string> WorkingFiles() const { return VisibleFiles(Work()); }
};

// The presenter's questions (tests/window) reach the user in a box of the window's own.
TEST_F(ActivationQuestionsTest, TheQuestionIsAYesNoBoxTitledVantrelAndNoWritesNothing) {
  const auto before = WorkingFiles();
  QString title, text, details;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QMessageBox::StandardButton press = QMessageBox::No;
  BoxAnswerer closer([&](QMessageBox& box) {
    title = box.windowTitle();
    text = box.text();
    details = box.detailedText();
    buttons = box.standardButtons();
    defaultButton = box.standardButton(box.defaultButton());
    box.button(press)->click();
  });

  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0306"));
  ClickButton("v");
  EXPECT_EQ(title, "Vantrel");
  EXPECT_EQ(text, "Big Tank is not an aircraft patch; slot 0306 Albatros D.3 is an aircraft slot. Install it there?");
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(defaultButton, QMessageBox::No);
  // The job's steps under "Details", a line a file.
  EXPECT_TRUE(details.split('\n').contains("copied: Big Tank\\060E9000.dml -> 03069000.dml (not there now)")) << FromQt(details);
  EXPECT_EQ(WorkingFiles(), before);

  press = QMessageBox::Yes;
  EXPECT_TRUE(AskUser("Go on?"));
}

}  // namespace
}  // namespace vantrel::testing
