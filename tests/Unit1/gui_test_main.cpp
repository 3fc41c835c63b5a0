// The window tests run without a display and without a terminal for the job scripts.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Qt's offscreen screen is 800 x 600, smaller than the reference layout. A screen that holds
// it comes first; beside it a small one at twice the scale, lower than the window can shrink,
// for the window on a small screen.
constexpr const char* kScreens = R"({
  "windowFrameMargins": true,
  "screens": [
    {"name": "large", "x": 0, "y": 0, "width": 1920, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "small", "x": 1920, "y": 0, "width": 1024, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}
  ]
})";

}  // namespace

int main(int argc, char** argv) {
  // Test discovery runs this binary without the tests' environment, so the defaults live here.
  // The screens and the settings the window remembers its place in are the test's own.
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("vantrel-window-test-setup-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch / "settings");
  std::ofstream(scratch / "screens.json") << kScreens;
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (!platform || std::string(platform) == "offscreen") {
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + (scratch / "screens.json").string()).c_str(), 1);
  }
  QStandardPaths::setTestModeEnabled(true);
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, QString::fromStdString((scratch / "settings").string()));
  }
  std::filesystem::path runtime;
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    runtime = std::filesystem::temp_directory_path() / ("vantrel-window-test-" + std::to_string(getpid()));
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);  // Qt creates it
  }
  setenv("VANTREL_TERMINAL", "none", 1);
  // A job script's "pause" waits for a key only when input is a terminal.
  if (!std::freopen("/dev/null", "r", stdin)) return 1;

  ::testing::InitGoogleTest(&argc, argv);
  int result = 0;
  {
    QApplication app(argc, argv);
    result = RUN_ALL_TESTS();
  }
  std::error_code ignored;
  if (!runtime.empty()) std::filesystem::remove_all(runtime, ignored);
  std::filesystem::remove_all(scratch, ignored);
  return result;
}
