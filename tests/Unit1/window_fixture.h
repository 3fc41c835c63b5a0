#pragma once
// The window opened on the sample game's Simpatch folder, laid out in a temporary folder,
// with the message boxes recorded and job scripts left for the test to run.
#include <QListView>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Unit1/form.h"
#include "engine/session.h"
#include "temp_dir.h"

class QMessageBox;

namespace vantrel::testing {

// While it lives, every modal dialog the window brings up is handed to `answer`, which
// reads it and closes it; the dialog's own event loop runs the checks.
class ModalAnswerer {
 public:
  explicit ModalAnswerer(std::function<void(QWidget&)> answer);
  ~ModalAnswerer();
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;

 private:
  QTimer* timer_;
};

// The same for message boxes.
class BoxAnswerer : public ModalAnswerer {
 public:
  explicit BoxAnswerer(std::function<void(QMessageBox&)> answer);
};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest();
  void SetUp() override;

  // A control by its layout name; fails the test when there is none of that kind.
  template <typename Control>
  Control* Find(const char* name) const {
    auto* control = form_->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
  }

  // A mouse click on the entry of list `listName` that shows `text`.
  void ClickEntry(const char* listName, std::string_view text);
  void ClickButton(const char* name);
  // The texts the list `listName` shows, top to bottom, and the one it highlights.
  std::vector<std::string> Shown(const char* listName) const;
  std::string Highlighted(const char* listName) const;
  // The caption a button shows: its text without the "&" that marks its Alt-letter.
  std::string Caption(const char* buttonName) const;
  // The Destination slots line of the slot `code`, "" when there is none.
  std::string SlotLine(std::string_view code) const;
  // Another window takes the focus, then the user comes back to ours.
  void SwitchAwayAndBack();
  // Runs a job script left in the working folder with the batch interpreter, and waits.
  void RunScript(const std::string& name);

  std::filesystem::path Game() const { return temp_.path() / "game"; }
  std::filesystem::path Work() const { return Game() / "Simpatch"; }

  TempDir temp_;
  Session session_;
  std::unique_ptr<TForm1> form_;
  std::vector<std::string> messages_;
};

}  // namespace vantrel::testing
