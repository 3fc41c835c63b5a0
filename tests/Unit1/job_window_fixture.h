#pragma once
// The window running its jobs itself, in its job panel, with our batch interpreter.
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <chrono>
#include <functional>
#include <string>

#include "Unit1/qt_text.h"
#include "window_fixture.h"

namespace vantrel::testing {

class JobWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    session_.shellProgram = "cmd";  // our batch interpreter, beside the test
  }

  // Lets the window run until `done` holds or ten seconds have passed.
  static bool WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      QTest::qWait(10);
    }
    return true;
  }
  std::string Outcome() const { return FromQt(Find<QLabel>("JobOutcome")->text()); }
  std::string Console() const { return FromQt(Find<QPlainTextEdit>("JobConsole")->toPlainText()); }
  bool JobOver() const { return !Outcome().starts_with("Running"); }
};

}  // namespace vantrel::testing
