// The questions "Activate this choice" asks before it writes anything.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <map>

#include "Unit1/question_box.h"
#include "window_fixture.h"

namespace vantrel::testing {
namespace {

struct AskedCase {
  const char* what;
  const char* patchLine;
  const char* slot;
  std::string question;
};
void PrintTo(const AskedCase& c, std::ostream* os) { *os << c.what; }

class ActivationQuestionsTest : public WindowTest {
 protected:
  void SetUp() override {
    temp_.write("game/Simpatch/0305_Camel Views.aop", "Active\r\n");
    WindowTest::SetUp();
    session_.askUser = [this](const std::string& text) {
      asked_.push_back(text);
      return answer_;
    };
  }

  // The working folder's files with their bytes, to see that nothing was written. Hidden
  // ones are a writer's temporaries.
  std::map<std::string, std::string> WorkingFiles() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(Work())) {
      const std::string name = entry.path().filename().string();
      if (entry.is_regular_file() && !name.starts_with(".")) files[name] = ReadFileBytes(entry.path());
    }
    return files;
  }

  void Activate(const char* patchLine, std::string_view slot) {
    ClickEntry("ListBox1", patchLine);
    ClickEntry("ListBox2", SlotLine(slot));
    ClickButton("v");
  }

  bool answer_ = true;
  std::vector<std::string> asked_;
};

class AskedQuestionTest : public ActivationQuestionsTest, public ::testing::WithParamInterface<AskedCase> {};

TEST_P(AskedQuestionTest, NoWritesNothingAndYesWritesTheJob) {
  const AskedCase& c = GetParam();
  const auto before = WorkingFiles();
  answer_ = false;
  Activate(c.patchLine, c.slot);
  EXPECT_EQ(asked_, std::vector<std::string>{c.question});
  EXPECT_EQ(WorkingFiles(), before) << "no script, no model record changed";
  EXPECT_EQ(Caption("v"), "Activate this choice");

  answer_ = true;
  asked_.clear();
  ClickButton("v");
  EXPECT_EQ(asked_, std::vector<std::string>{c.question});
  EXPECT_TRUE(std::filesystem::exists(Work() / (std::string(c.slot) + ".bat")));
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

INSTANTIATE_TEST_SUITE_P(
    Window, AskedQuestionTest,
    ::testing::Values(AskedCase{"OccupiedSlot", "031F FE2b Fighter", "0305", "Slot 0305 holds Camel Views. Replace it?"},
                      AskedCase{"VehiclePatchAircraftSlot", "060E Big Tank", "0306",
                                "Big Tank is not an aircraft patch; slot 0306 Albatros D.3 is an aircraft slot. "
                                "Install it there?"}),
    [](const ::testing::TestParamInfo<AskedCase>& info) { return std::string(info.param.what); });

// Without a hook of the session's, the window asks in a box of its own.
TEST_F(ActivationQuestionsTest, TheDefaultBoxIsAYesNoQuestionTitledVantrel) {
  session_.askUser = nullptr;
  const auto before = WorkingFiles();
  QString title, text;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QMessageBox::StandardButton press = QMessageBox::No;
  BoxAnswerer closer([&](QMessageBox& box) {
    title = box.windowTitle();
    text = box.text();
    buttons = box.standardButtons();
    defaultButton = box.standardButton(box.defaultButton());
    box.button(press)->click();
  });

  Activate("060E Big Tank", "0306");
  EXPECT_EQ(title, "Vantrel");
  EXPECT_EQ(text, "Big Tank is not an aircraft patch; slot 0306 Albatros D.3 is an aircraft slot. Install it there?");
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(defaultButton, QMessageBox::No);
  EXPECT_EQ(WorkingFiles(), before);

  press = QMessageBox::Yes;
  EXPECT_TRUE(AskUser("Go on?"));
}

}  // namespace
}  // namespace vantrel::testing
