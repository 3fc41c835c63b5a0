// The program folder is among the places searched on Windows: a game laid out in it (under
// Wine, the prefix's own C:\Program Files) is found.
#include <windows.h>
#include <shlobj.h>
#include <knownfolders.h>

#include <gtest/gtest.h>

#include <fstream>

#include "games/game_search.h"

namespace vantrel::games {
namespace {

namespace fs = std::filesystem;

TEST(GamePlaces, FindsAGameInTheProgramFolder) {
  PWSTR programs = nullptr;
  ASSERT_TRUE(SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_ProgramFiles, 0, nullptr, &programs)));
  const fs::path maker = fs::path(programs) / ("Vantrel test maker " + std::to_string(::GetCurrentProcessId()));
  ::CoTaskMemFree(programs);
  const fs::path game = maker / "Game";
  fs::create_directories(game / "Multi");
  std::ofstream(game / "RB.VOL") << "archive";
  struct RemoveAfter {
    fs::path folder;
    ~RemoveAfter() { fs::remove_all(folder); }
  } removeAfter{maker};

  const SearchResult result = FindGameInstalls(PlacesToLook(), std::chrono::steady_clock::now() + kSearchTime);
  std::vector<fs::path> folders;
  for (const GameInstall& install : result.installs) folders.push_back(fs::weakly_canonical(install.folder));
  EXPECT_NE(std::find(folders.begin(), folders.end(), fs::weakly_canonical(game)), folders.end())
      << "searched until " << (result.gaveUp ? "time ran out" : "the end");
}

}  // namespace
}  // namespace vantrel::games
