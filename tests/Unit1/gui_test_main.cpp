// The window tests run without a display and without a terminal for the job scripts.
#include <QApplication>

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  // Test discovery runs this binary without the tests' environment, so the defaults live here.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
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
  if (!runtime.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(runtime, ignored);
  }
  return result;
}
