// The places a Linux home keeps Wine prefixes in, each kind laid out in a home of the test's
// own; a game reached only through a link out of its place, or too deep, is not found.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "cli/cli.h"
#include "games/game_search.h"
#include "temp_dir.h"

namespace vantrel::games {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

class HomeOfOurOwn {
 public:
  explicit HomeOfOurOwn(const fs::path& home) {
    for (const char* name : {"HOME", "WINEPREFIX", "XDG_DATA_HOME"}) {
      const char* value = std::getenv(name);
      saved_.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
      unsetenv(name);
    }
    setenv("HOME", home.c_str(), 1);
  }
  ~HomeOfOurOwn() {
    for (const auto& [name, value] : saved_) value ? setenv(name, value->c_str(), 1) : unsetenv(name);
  }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(GamePlaces, FindsAGameInEveryKindOfPrefixButNotThroughALinkOutNorTooDeep) {
  TempDir dir;
  const fs::path home = fs::canonical(dir.path());
  HomeOfOurOwn own(home);
  setenv("WINEPREFIX", (home / "custom prefix").c_str(), 1);
  const std::string game = "drive_c/Program Files/Maker/Game/";
  const std::vector<std::string> found = {
      "custom prefix/",
      ".wine/",
      ".local/share/wineprefixes/rb/",
      "Games/red-baron/",  // Lutris
      ".local/share/bottles/bottles/RB/",
      ".var/app/com.usebottles.bottles/data/bottles/bottles/RB/",
      ".PlayOnLinux/wineprefix/RB/",
      ".local/share/Steam/steamapps/compatdata/1234/pfx/",
      ".steam/steam/steamapps/compatdata/1235/pfx/",
      ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/1236/pfx/",
      "snap/steam/common/.local/share/Steam/steamapps/compatdata/1237/pfx/",
  };
  for (const std::string& prefix : found) {
    dir.write(prefix + game + "rb.vol", "archive");
    dir.mkdir(prefix + game + "Simpatch");
  }
  dir.write("Games/loose/RB/rb.vol", "archive");  // a game in ~/Games without a prefix
  dir.mkdir("Games/loose/RB/Multi");
  // Out of reach: a game outside every place, linked from a prefix as Wine links its drives;
  // and one in a prefix six levels below drive_c.
  dir.write("elsewhere/RB/rb.vol", "archive");
  dir.mkdir("elsewhere/RB/Multi");
  dir.mkdir(".wine/dosdevices");
  fs::create_directory_symlink(home / "elsewhere", home / ".wine/drive_c/link out");
  dir.write(".wine/drive_c/a/b/c/d/e/RB/rb.vol", "archive");
  dir.mkdir(".wine/drive_c/a/b/c/d/e/RB/Multi");

  const SearchResult result = FindGameInstalls(PlacesToLook(), std::chrono::steady_clock::now() + std::chrono::minutes(1));
  std::vector<std::string> folders;
  for (const GameInstall& install : result.installs) folders.push_back(fs::relative(install.folder, home).generic_string() + "/");
  std::vector<std::string> expected;
  for (const std::string& prefix : found) expected.push_back(prefix + game);
  expected.push_back("Games/loose/RB/");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folders, expected);
  EXPECT_FALSE(result.gaveUp);
}

TEST(GamePlaces, TheCommandLineListsEachGameWithItsWorkingFoldersAndFailsWhenThereIsNone) {
  TempDir dir;
  const fs::path home = fs::canonical(dir.path());
  HomeOfOurOwn own(home);
  std::ostringstream out, err;
  EXPECT_EQ(cli::Main({"games"}, out, err), 1);
  EXPECT_EQ(err.str(), "vantrel-cli: No game install was found.\n");

  dir.write(".wine/drive_c/RB/rb.vol", "archive");
  dir.mkdir(".wine/drive_c/RB/Simpatch");
  dir.mkdir(".wine/drive_c/RB/3DPATCH");
  out.str("");
  EXPECT_EQ(cli::Main({"games"}, out, err), 0);
  EXPECT_EQ(out.str(), (home / ".wine/drive_c/RB").string() + "\n  3DPATCH\n  Simpatch\n");
}

}  // namespace
}  // namespace vantrel::games
