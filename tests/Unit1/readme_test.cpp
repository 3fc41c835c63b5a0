// The picked patch's readme beside the preview.
#include <QPlainTextEdit>
#include <QTabWidget>

#include "Unit1/qt_text.h"
#include "window_fixture.h"

namespace vantrel::testing {
namespace {

TEST_F(WindowTest, ThePickedPatchsReadmeIsShownBesideThePreview) {
  temp_.write("game/Simpatch/Camel Views/a notes.txt", "not this one\r\n");
  temp_.write("game/Simpatch/Camel Views/ReadMe", "Install into any\r\nCamel slot\r\n");
  auto* readme = Find<QPlainTextEdit>("Readme");
  auto* notes = Find<QTabWidget>("Notes");
  const struct {
    const char* patch;
    const char* text;  // "" for none
  } cases[] = {
      {"060E Big Tank", "Big Tank/notes.txt\n"},           // its only .txt
      {"0311 Camel Views", "Install into any\nCamel slot\n"},  // a readme of any case before any .txt
      {"031F FE2b Fighter", ""},
  };
  for (const auto& c : cases) {
    ClickEntry("ListBox1", c.patch);
    EXPECT_EQ(FromQt(readme->toPlainText()), c.text) << c.patch;
    if (*c.text) {
      EXPECT_EQ(notes->currentWidget(), readme) << c.patch;
    }
  }
  EXPECT_TRUE(readme->isReadOnly());
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace vantrel::testing
