// The first activation of the window and what it must not repeat.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <cctype>
#include <filesystem>

#include "Unit1/error_box.h"
#include "Unit1/qt_text.h"
#include "window_fixture.h"

namespace vantrel::testing {
namespace {

const std::vector<std::string> kSamplePatches = {"0099 SpringMaps", "0311 Camel Views", "031F FE2b Fighter",
                                                 "060E Big Tank"};

// The folder of the running program, lower-cased: what the caption names.
std::string OwnFolderLowered() {
  std::string folder = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
  for (char& c : folder) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folder;
}

void LayNewPatchFolder(const TempDir& temp) { temp.write("game/Simpatch/New Plane/03209000.dml", "shape\n"); }

TEST_F(WindowTest, FirstActivationScansAndFillsTheLists) {
  EXPECT_EQ(FromQt(form_->windowTitle()), "Vantrel : " + OwnFolderLowered());
  EXPECT_EQ(Shown("ListBox1"), kSamplePatches);
  EXPECT_EQ(Shown("ListBox2").size(), 774u);
  EXPECT_TRUE(Shown("ListBox3").empty());
  for (const char* list : {"ListBox1", "ListBox2", "ListBox3"}) EXPECT_EQ(Highlighted(list), "") << list;
  EXPECT_TRUE(temp_.exists("game/Simpatch/vantrel.scan.tmp"));
  EXPECT_TRUE(messages_.empty());

  // Nothing was picked yet, and the combo box names the working folder, not its first item.
  EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "none");
  auto* path = Find<QComboBox>("path");
  EXPECT_EQ(path->currentText(), "Simpatch");
  ASSERT_EQ(path->count(), 4);
  EXPECT_EQ(path->itemText(0), "Multi");
  EXPECT_EQ(path->itemText(3), "3dpatch");
  EXPECT_EQ(form_->frameGeometry(), QRect(273, 142, 875, 868));
}

TEST_F(WindowTest, ComingBackToTheWindowDoesNotScanAgain) {
  LayNewPatchFolder(temp_);
  SwitchAwayAndBack();
  EXPECT_EQ(Shown("ListBox1"), kSamplePatches);

  ClickButton("Button1");
  EXPECT_EQ(Shown("ListBox1").size(), kSamplePatches.size() + 1);
  EXPECT_EQ(Shown("ListBox1")[3], "0320 New Plane");
}

TEST_F(WindowTest, DefaultErrorHandlerShowsATextBoxTitledVantrel) {
  form_->SetMessageHook(ShowMessageBox);
  LayNewPatchFolder(temp_);
  QString title, text;
  {
    BoxAnswerer closer([&](QMessageBox& box) {
      title = box.windowTitle();
      text = box.text();
      box.accept();
    });
    ClickButton("v");  // nothing picked in Available patches yet
  }
  EXPECT_EQ(title, "Vantrel");
  EXPECT_EQ(text, "List index out of bounds (-1)\nPick a patch in Available patches first.");
  // The window coming back from the box does not rescan.
  EXPECT_EQ(Shown("ListBox1"), kSamplePatches);
}

}  // namespace
}  // namespace vantrel::testing
