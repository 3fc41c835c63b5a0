// The program's own start-up, ending once the first activation has filled the lists.
//   startup_window_until_filled PATCHES ACTIVE
// exits 0 when Available patches and Active patches hold PATCHES and ACTIVE entries and the
// 774 Destination slots are there, 3 otherwise.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "Unit1/font_config_ahead.h"
#include "Unit1/form.h"
#include "engine/session.h"
#include "rbext/run_shell.h"
#include "quit_when_active.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PATCHES ACTIVE\n", argv[0]);
    return 2;
  }
  vantrel::FontConfigAhead fonts;
  vantrel::Session session;
  session.shellProgram = vantrel::JobShellProgram();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vantrel");
  session.patchFoldersAhead.Start();
  fonts.Wait();
  vantrel::TForm1 form(session);
  form.SetMessageHook([](const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); });
  QuitWhenActive quit;
  form.installEventFilter(&quit);
  form.show();
  form.activateWindow();
  QApplication::exec();

  const auto& cat = session.cat;
  const bool filled = cat.ListBox1.Count() == std::atoi(argv[1]) && cat.ListBox3.Count() == std::atoi(argv[2]) &&
                      cat.ListBox2.Count() == 774;
  if (!filled) {
    std::fprintf(stderr, "lists not filled: %d patches, %d slots, %d active\n", cat.ListBox1.Count(),
                 cat.ListBox2.Count(), cat.ListBox3.Count());
  }
  return filled ? 0 : 3;
}
