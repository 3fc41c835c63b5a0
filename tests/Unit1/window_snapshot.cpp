// Renders the window on a freshly laid sample game, with the aircraft patch and a slot
// picked, into a PNG file: the picture of the user guide.
//   vantrel-window-snapshot GAME_FOLDER OUTPUT.png
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QSettings>

#include <cstdio>
#include <filesystem>
#include <string>

#include "Unit1/form.h"
#include "engine/session.h"
#include "samplegame/sample_game.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s GAME_FOLDER OUTPUT.png\n", argv[0]);
    return 2;
  }
  const std::string output = std::filesystem::absolute(argv[2]).string();
  vantrel::samplegame::LaySampleGame(argv[1]);
  std::filesystem::current_path(std::filesystem::path(argv[1]) / vantrel::samplegame::kWorkingFolder);

  vantrel::Session session;
  // The picture shows the reference layout, not where the user last left the window.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(argv[1]));
  QApplication app(argc, argv);
  vantrel::TForm1 form(session);
  form.SetMessageHook([](const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); });
  form.show();
  form.activateWindow();
  QElapsedTimer waited;
  waited.start();
  while (session.cat.ListBox2.Count() == 0 && waited.elapsed() < 5000) QApplication::processEvents();

  auto& cat = session.cat;
  const auto patch = cat.ListBox1.FindIgnoringCase("031F FE2b Fighter");
  if (!patch) {
    std::fprintf(stderr, "the sample aircraft patch is not listed\n");
    return 1;
  }
  cat.ListBox1.Select(*patch);
  for (int i = 0; i < cat.ListBox2.Count(); ++i) {
    if (cat.ListBox2.At(i).starts_with("0305 ")) cat.ListBox2.Select(i);
  }
  form.Presenter().updedit();
  QApplication::processEvents();
  if (!form.grab().save(QString::fromStdString(output), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}
