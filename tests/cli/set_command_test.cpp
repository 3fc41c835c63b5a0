// vantrel-cli set: saving what is active, and applying it again as ordinary jobs, on the
// sample game with the real job shell.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "cli_run.h"
#include "quiet_shell.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

struct SetGame {
  SetGame() {
    testing::KeepShellsOffTerminals();
    samplegame::LaySampleGame((dir.path() / "game").string());
    // A second volume patch, to stack over the first.
    fs::copy(Work() / "SpringMaps", Work() / "WinterMaps");
    dir.write("game/Simpatch/WinterMaps/RB.VOL", "WinterMaps' rb.vol");
  }
  fs::path Work() const { return dir.path() / "game" / "Simpatch"; }

  CliResult Run(std::vector<std::string> args) const {
    args.insert(args.begin(), {"-C", Work().string()});
    return RunCli(std::move(args));
  }
  void Ok(const std::vector<std::string>& args) const {
    const CliResult result = Run(args);
    ASSERT_EQ(result.status, 0) << args[0] << ": " << result.err;
  }
  std::string Active() const { return Run({"active"}).out; }

  // The game's files, but for our own support folder, lock and scan list.
  Files Snapshot() const {
    Files files;
    const fs::path root = dir.path() / "game";
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      const std::string rel = fs::relative(entry.path(), root).generic_string();
      if (!entry.is_regular_file() || rel.find("vantrel") != std::string::npos) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      files[rel] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
  }

  testing::TempDir dir;
};

// Three slots change between the save and the apply, FM/DM choices included; the game's
// files come back as they were at the save.
TEST(SetCommand, ApplyingASavedSetBringsBackWhatWasActive) {
  SetGame game;
  game.Ok({"activate", "Big Tank", "0601"});
  game.Ok({"activate", "FE2b Fighter", "0305", "--fm", "S"});
  game.Ok({"activate", "SpringMaps", "0099"});
  game.Ok({"set", "save", "campaign"});
  const std::string active = game.Active();
  const Files saved = game.Snapshot();

  game.Ok({"deactivate", "0601_Big Tank"});
  game.Ok({"deactivate", "0305_FE2b Fighter"});
  game.Ok({"activate", "FE2b Fighter", "0305"});  // without its FM/DM choice now
  game.Ok({"activate", "Big Tank", "0602"});
  EXPECT_NE(game.Run({"set", "show", "campaign"}).out.find("to remove: 0602_Big Tank\n"), std::string::npos);

  const CliResult applied = game.Run({"set", "apply", "campaign"});
  ASSERT_EQ(applied.status, 0) << applied.err;
  EXPECT_EQ(game.Active(), active);
  EXPECT_TRUE(game.Snapshot() == saved) << applied.out;
  const std::string shown = game.Run({"set", "show", "campaign"}).out;
  EXPECT_TRUE(shown.ends_with("\nNothing differs from what is active now.\n")) << shown;
}

// A set holding one volume patch applied while another is active over it: the other goes,
// and the game's archive is the set's patch's.
TEST(SetCommand, AppliesAVolumePatchWhileAnotherIsStackedOverIt) {
  SetGame game;
  game.Ok({"activate", "SpringMaps", "0099"});
  game.Ok({"set", "save", "spring"});
  const std::string springArchive = game.dir.read("game/rb.vol");
  game.Ok({"activate", "WinterMaps", "0099"});
  ASSERT_EQ(game.dir.read("game/rb.vol"), "WinterMaps' rb.vol");
  game.Ok({"set", "apply", "spring"});
  EXPECT_EQ(game.Active(), "0099_SpringMaps_vol_patch\n");
  EXPECT_EQ(game.dir.read("game/rb.vol"), springArchive);
}

// The second job fails (a file of its slot cannot be moved aside): the first stays done and
// whole, the second changed nothing, and the error says where the set stopped.
TEST(SetCommand, StopsAtTheFirstJobThatFailsAndSaysWhere) {
  SetGame game;
  game.Ok({"activate", "Big Tank", "0601"});
  game.Ok({"activate", "FE2b Fighter", "0305"});
  game.Ok({"set", "save", "two"});
  game.Ok({"deactivate", "0601_Big Tank"});
  game.Ok({"deactivate", "0305_FE2b Fighter"});
  game.dir.write("game/Simpatch/03059000.dml", "the game's own");
  const testing::Immutable locked(game.Work() / "03059000.dml");
  if (!locked.Set()) GTEST_SKIP() << "no immutable attribute here";

  const CliResult applied = game.Run({"set", "apply", "two"});
  EXPECT_EQ(applied.status, 1);
  EXPECT_NE(applied.err.find("The patch set stopped at installing 0305 off FE2b Fighter, after 1 of 2 jobs: "),
            std::string::npos)
      << applied.err;
  EXPECT_EQ(game.Active(), "0601_Big Tank\n");
  EXPECT_EQ(game.dir.read("game/Simpatch/03059000.dml"), "the game's own");
}

TEST(SetCommand, ExportsAndImportsAndRefusesASetNamingAMissingPatch) {
  SetGame game;
  game.Ok({"activate", "Big Tank", "0601"});
  game.Ok({"set", "save", "tanks"});
  const std::string exported = (game.dir.path() / "shared tanks.set").string();
  game.Ok({"set", "export", "tanks", exported});
  game.Ok({"set", "delete", "tanks"});
  game.Ok({"set", "import", exported});
  EXPECT_EQ(game.Run({"set", "list"}).out, "shared tanks\n");
  EXPECT_EQ(game.Run({"set", "show", "shared tanks"}).out.substr(0, 17), "0601 off Big Tank");

  std::ofstream(game.dir.path() / "more.set") << "0601 off Big Tank\r\n0602 off Gone Patch\r\n";
  const CliResult refused = game.Run({"set", "import", (game.dir.path() / "more.set").string()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("does not hold: Gone Patch."), std::string::npos) << refused.err;
  game.Ok({"set", "import", (game.dir.path() / "more.set").string(), "--partial"});
  EXPECT_EQ(game.Run({"set", "show", "more"}).out.substr(0, 18), "0601 off Big Tank\n");
  EXPECT_EQ(game.Run({"set", "show", "none"}).err, "vantrel-cli: There is no patch set none.\n");
}

}  // namespace
}  // namespace vantrel
