// How the window program's start before its window ends: in the working folder, or with the
// user told why not and the exit status for it. Real folders in a temporary folder; the
// folder dialog answered by the test. Run by both windows' test programs.
#include "app/start_up.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/folder_memory.h"
#include "platform/files.h"
#include "temp_dir.h"

namespace vantrel::app {
namespace {

struct Told {
  std::string text;
  int status;
  bool operator==(const Told&) const = default;
};

void PrintTo(const Told& told, std::ostream* out) { *out << told.status << " \"" << told.text << '"'; }

class StartUp : public ::testing::Test {
 protected:
  StartUp() : before_(RememberedFolder()) {
    RememberFolder("");
    temp_.mkdir("home");
    temp_.write("game/rb.vol", "game archive");
    temp_.mkdir("game/Simpatch");
    std::filesystem::current_path(temp_.path() / "home");
  }
  ~StartUp() override { RememberFolder(before_); }

  // The dialog answers `chosen` the first time, and is cancelled when asked again.
  std::optional<int> Start(const std::vector<std::string>& args, const std::string& chosen) {
    return StartInWorkingFolder(
        args, [chosen](const std::string&, const std::string& why) { return why.empty() ? chosen : std::string(); },
        [this](const std::string& text, int status) { told_.push_back({text, status}); });
  }

  const std::string before_;
  testing::TempDir temp_;
  std::vector<Told> told_;
};

TEST_F(StartUp, EndsWithTheStatusForWhatWentWrongAndTellsIt) {
  struct Case {
    std::vector<std::string> args;
    const char* chosen;
    std::optional<int> status;
    std::vector<Told> told;
  };
  const Case cases[] = {
      {{"../game/Simpatch"}, "", std::nullopt, {}},
      {{}, "../game/Simpatch", std::nullopt, {}},
      {{}, "", 0, {}},        // the dialog cancelled: nothing to tell
      {{}, "../game", 0, {}},   // refused, and then cancelled: the dialog told why
      {{"../game"}, "", 0, {}},  // the same for a folder given
      {{"missing"}, "", 1, {{"File not found: missing", 1}}},
      {{}, "missing", 1, {{"File not found: missing", 1}}},
      {{"one", "two"}, "", 2, {{"one working folder only, not 'one' and 'two'", 2}}},
      {{"--verbose"}, "", 2, {{"unknown option '--verbose'", 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args) + " chosen \"" + c.chosen + '"');
    told_.clear();
    std::filesystem::current_path(temp_.path() / "home");
    const std::string home = platform::CurrentDirectory();
    EXPECT_EQ(Start(c.args, c.chosen), c.status);
    EXPECT_EQ(told_, c.told);
    if (c.status) {
      EXPECT_EQ(platform::CurrentDirectory(), home) << "a start that ends enters nothing";
      EXPECT_EQ(RememberedFolder(), "");
    } else {
      EXPECT_EQ(RememberedFolder(), platform::CurrentDirectory());
      EXPECT_NE(platform::CurrentDirectory(), home);
    }
    RememberFolder("");
  }
}

TEST(HelpHint, NamesTheProgramsHelp) { EXPECT_EQ(HelpHint(), "Try 'vantrel --help'."); }

}  // namespace
}  // namespace vantrel::app
