// The job panel, offscreen, in one run:
//  - what building and showing it adds to a window of the reference size (target: 5 ms);
//  - a job that prints 10,000 lines through vantrel-cmd: lines shown per second (target:
//    10,000) and the longest the event loop went without running (the window frozen),
//    against the same job with its output thrown away.
//   job_panel_bench [ROUNDS]
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "Unit1/job_panel.h"
#include "engine/job_plan.h"
#include "rbext/run_shell.h"
#include "../verdict.h"

namespace {

using vantrel::bench::Median;

namespace fs = std::filesystem;

constexpr int kLines = 10000;


// Milliseconds to build `extra` on a window of the reference size and show it.
template <typename Build>
double ShownAfter(Build extra) {
  QElapsedTimer clock;
  clock.start();
  QWidget window;
  window.resize(875, 868);
  extra(window);
  window.show();
  QApplication::processEvents();
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

struct Run {
  double seconds = 0;
  double longestStallMs = 0;
};

// Runs the job script through a panel until it ends, with a timer measuring the gaps.
Run RunJob(const std::string& script) {
  QWidget window;
  vantrel::JobPanel panel(&window, [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
  window.show();
  vantrel::JobPlan plan;
  plan.script = script;
  QElapsedTimer clock;
  QElapsedTimer sinceTick;
  double longest = 0;
  QTimer ticks;
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    longest = std::max(longest, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
    sinceTick.restart();
  });
  bool ended = false;
  QObject::connect(&panel, &vantrel::JobPanel::JobEnded, [&] { ended = true; });
  clock.start();
  sinceTick.start();
  ticks.start(1);
  panel.Start(vantrel::ShellExecutableFor("cmd"), plan, "done");
  while (!ended) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  return {static_cast<double>(clock.nsecsElapsed()) / 1e9, longest};
}

void WriteScript(const fs::path& file, bool shown) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << "@echo off\r\n";
  for (int i = 0; i < kLines; ++i) {
    out << "echo line " << i << " of a job's console, as long as a copy line is" << (shown ? "" : " > NUL") << "\r\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const fs::path folder = fs::temp_directory_path() / "vantrel-job-panel-bench";
  fs::remove_all(folder);
  fs::create_directories(folder / "vantrel-files");
  fs::current_path(folder);
  if (!std::getenv("XDG_RUNTIME_DIR")) setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
  // The window comes up at its reference place, not where the user last left a real one.
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  QApplication app(argc, argv);

  std::vector<double> bare, withPanel;
  for (int i = 0; i < rounds; ++i) {
    bare.push_back(ShownAfter([](QWidget&) {}));
    withPanel.push_back(ShownAfter([](QWidget& window) {
      auto* panel = new vantrel::JobPanel(&window, nullptr);
      auto* notes = new QTabWidget(&window);
      notes->setGeometry(368, 592, 490, 140);
      notes->addTab(panel->console, "Job");
      notes->addTab(new QPlainTextEdit, "Readme");
    }));
  }
  std::printf("start-up, %d rounds (medians): window %.2f ms, with the job panel %.2f ms: +%.2f ms (limit 5)\n",
              rounds, Median(bare), Median(withPanel), Median(withPanel) - Median(bare));
  vantrel::bench::PrintVerdict("job panel, start-up cost", vantrel::bench::Figure(Median(withPanel) - Median(bare), "ms"),
                               "5 ms limit", (Median(withPanel) - Median(bare)) / 5.0, vantrel::bench::Bound::AtMost, 1.0);

  WriteScript(folder / "shown.bat", true);
  WriteScript(folder / "quiet.bat", false);
  std::vector<double> shownSeconds, quietSeconds, stalls;
  for (int i = 0; i < rounds; ++i) {
    const Run shown = RunJob("shown.bat");
    const Run quiet = RunJob("quiet.bat");
    shownSeconds.push_back(shown.seconds);
    quietSeconds.push_back(quiet.seconds);
    stalls.push_back(shown.longestStallMs);
  }
  const double linesPerSecond = kLines / Median(shownSeconds);
  std::printf("a job of %d console lines, %d rounds (medians): shown in the panel %.3f s (%.0f lines/s, target 10000), "
              "output thrown away %.3f s; longest the window went unanswered %.1f ms\n",
              kLines, rounds, Median(shownSeconds), linesPerSecond, Median(quietSeconds), Median(stalls));
  vantrel::bench::PrintVerdict("job panel, console lines", vantrel::bench::Figure(linesPerSecond, "lines/s"), "10000 lines/s",
                               linesPerSecond / 10000.0, vantrel::bench::Bound::AtLeast, 1.0);
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(folder);
  return 0;
}
