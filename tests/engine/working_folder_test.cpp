// Which folders are working folders of the game: the sample game's, and small trees made for
// each part of the rule.
#include "engine/working_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

bool Working(const fs::path& folder) {
  fs::current_path(folder);
  return WhyNotAWorkingFolder(folder.string()).empty();
}

TEST(WorkingFolder, TheSampleGamesWorkingFoldersAreTakenAndNothingAboveOrBelowThem) {
  TempDir dir;
  samplegame::LaySampleGame("game");
  for (const char* folder : {"Simpatch", "Multi", "Shellpat", "3dpatch"}) {
    EXPECT_TRUE(Working(dir.path() / "game" / folder)) << folder;
  }
  EXPECT_FALSE(Working(dir.path() / "game"));
  EXPECT_FALSE(Working(dir.path() / "game" / "Simpatch" / samplegame::kAircraftPatch));
}

TEST(WorkingFolder, ItLiesInTheGamesFolderAndIsOneByNameOrByWhatItHolds) {
  struct Case {
    const char* what;
    std::vector<std::string> paths;  // a path ending in "/" is a folder
    const char* folder;
    bool working;
  };
  const Case cases[] = {
      {"beside the archives, in any letter case, with a patch folder",
       {"g/LOWRES.VOL", "g/Mine/Big Tank/060E9000.dml"}, "g/Mine", true},
      {"beside another working folder, with a model file", {"g/multi/", "g/Mine/fmparams.dat"}, "g/Mine", true},
      {"with the support folder", {"g/rb.vol", "g/Mine/vantrel-files/"}, "g/Mine", true},
      {"a working folder's name, empty", {"g/Multi/", "g/Shellpat/"}, "g/Shellpat", true},
      {"holding nothing of a working folder", {"g/rb.vol", "g/Mine/notes.txt"}, "g/Mine", false},
      {"a shape file alone is no patch folder", {"g/rb.vol", "g/Mine/060E9000.dml"}, "g/Mine", false},
      {"an archive of Multi's is not the game's folder's", {"g/rbmulti.vol", "g/Mine/fmparams.dat"}, "g/Mine", false},
      {"a folder named rb.vol is no archive", {"g/rb.vol/", "g/Mine/fmparams.dat"}, "g/Mine", false},
      {"nothing of the game above it", {"g/Mine/Big Tank/060E9000.dml"}, "g/Mine", false},
      {"a working folder's name alone, copied out of the game", {"g/Shellpat/fmparams.dat"}, "g/Shellpat", false},
      {"holding the game's archives: the game's folder", {"g/Multi/", "g/Mine/rb.vol", "g/Mine/fmparams.dat"},
       "g/Mine", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    for (const std::string& path : c.paths) path.ends_with('/') ? dir.mkdir(path) : dir.write(path, "x");
    EXPECT_EQ(Working(dir.path() / c.folder), c.working);
  }
}

// A look that fails is no answer: neither "not a working folder" nor "one".
TEST(WorkingFolder, AFolderThatCannotBeLookedAtRaises) {
  TempDir dir;
  dir.write("g/Mine/fmparams.dat", "x");
  std::error_code ec;
  fs::create_symlink("loop", dir.path() / "g" / "loop", ec);
  if (ec) GTEST_SKIP() << "no symbolic link can be made here: " << ec.message();
  fs::current_path(dir.path() / "g" / "Mine");
  EXPECT_THROW(WhyNotAWorkingFolder("Mine"), InOutError);
}

}  // namespace
}  // namespace vantrel
