// The job scripts run by the real batch interpreter on a laid-out sample game, checked on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include "engine/activation.h"
#include "engine_session.h"
#include "sample_game_fixture.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/process.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"
#include "under_wine.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::Activate;
using testing::Deactivate;
using testing::EngineSession;
using testing::Files;
using testing::SampleGame;

// Installs an aircraft, an object and a volume patch over what the slots held, then removes
// them: the game is as it was, and a slot file left by an install from before the ledger
// was kept comes back too, since nothing tells whose it is.
TEST(RunOnDisk, ARoundTripInstallsEveryKindAndLeavesTheGameAsItWas) {
  SampleGame game;
  // In an installed game the stock model files are copies of the working ones.
  // Removed first: GCC 12's std::filesystem for mingw fails to copy over a file.
  for (const auto& file : samplegame::kModelFiles) {
    fs::remove(file.name);
    fs::copy_file(fs::path("vantrel-files") / file.name, file.name);
  }
  const Files before = game.Snapshot();
  game.dir.write("game/Simpatch/0601abcd.bmp", "stale texture of the slot");
  game.dir.write("game/Simpatch/0601_Old Truck.aop", "Active");
  EngineSession e;
  e.s.fmdmChanging = true;
  Activate(e, "031F FE2b Fighter", "0305");
  Activate(e, "060E Big Tank", "0601");
  Activate(e, "0099 SpringMaps", "0301");
  Activate(e, "0099 SpringMaps", "0301");  // a second install must not save the patch's archive as the original

  Files active = game.Snapshot();
  const std::map<std::string, std::string> copied = {
      {"03059000.dml", "FE2b Fighter/031F9000.dml"}, {"0305tex1.bmp", "FE2b Fighter/031Ftex1.bmp"},
      {"win005.bmp", "FE2b Fighter/win01F.bmp"},     {"win105.bmp", "FE2b Fighter/win11F.bmp"},
      {"str005.bmp", "FE2b Fighter/str01F.bmp"},     {"planep05.bmp", "FE2b Fighter/planep1F.bmp"},
      {"05damage.dat", "FE2b Fighter/1Fdamage.dat"}, {"06019000.dml", "Big Tank/060E9000.dml"},
      {"0601tex1.bmp", "Big Tank/060Etex1.bmp"}};
  for (const auto& [target, source] : copied) EXPECT_EQ(active["Simpatch/" + target], source + "\n") << target;
  for (const char* marker : {"0305_FE2b Fighter.aop", "0601_Big Tank.aop", "0099_SpringMaps_vol_patch.aop"}) {
    EXPECT_TRUE(active.contains(std::string("Simpatch/") + marker)) << marker;
  }
  EXPECT_FALSE(active.contains("Simpatch/0601abcd.bmp"));
  EXPECT_FALSE(active.contains("Simpatch/0601_Old Truck.aop"));
  EXPECT_FALSE(active.contains("Simpatch/0305.bat")) << "a script deletes itself";
  EXPECT_EQ(active["rb.vol"], before.at("Simpatch/SpringMaps/RB.VOL"));
  EXPECT_EQ(active["rb.vol.orig"], before.at("rb.vol"));
  EXPECT_EQ(active["3dpatch/3dspring.vol"], before.at("Simpatch/SpringMaps/3DSpring.vol"));
  EXPECT_EQ(active["3dpatch/3dspring.vol.orig"], before.at("3dpatch/3dspring.vol"));
  EXPECT_NE(active["Simpatch/fmparam3.dat"], before.at("Simpatch/fmparam3.dat"));

  for (const char* entry : {"0099_SpringMaps_vol_patch", "0601_Big Tank", "0305_FE2b Fighter"}) {
    EXPECT_TRUE(Deactivate(e, entry).Complete()) << entry;
  }
  Files after = game.Snapshot();
  EXPECT_EQ(after.extract("Simpatch/0601abcd.bmp").mapped(), "stale texture of the slot");
  EXPECT_TRUE(after == before) << testing::Difference(before, after);
}

// A kept archive beside one that no patch put there: which is the game's own cannot be told,
// so the install is refused, naming them, before anything is written.
TEST(RunOnDisk, AKeptArchiveBesideOneNoPatchPutThereIsNotTakenForTheOriginal) {
  SampleGame game;
  game.dir.write("game/3dpatch/3dspring.vol.orig", "kept earlier");
  const Files before = game.Snapshot();
  EngineSession e;
  e.SelectPatch("0099 SpringMaps");
  e.SelectSlot("0301");
  EXPECT_THROW(
      try { WriteActivationScript(e.s); } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("..\\3dpatch\\3dspring.vol.orig is there already"), std::string::npos)
            << error.what();
        throw;
      },
      Error);
  EXPECT_TRUE(game.Snapshot() == before) << testing::Difference(before, game.Snapshot());
}

// Names the shell would split, expand or escape, and bytes outside ASCII.
TEST(RunOnDisk, FolderNamesWithShellCharactersInstallAndRemove) {
  std::vector<std::string> names = {"With Blanks", "100% Steel", "%PATH%", "Tom & Jerry", "Up^Down", "Bang!",
                                    "Paren (1)", "F+W", "Caf\xC3\xA9"};
  // Bytes that are not UTF-8 make a name only where names are bytes: Windows' are UTF-16.
  if (!platform::IsNtFamily()) names.push_back("Caf\xC3\xA9 \xE9t\xE9");
  for (const std::string& name : names) {
    SampleGame game;
    game.dir.write("game/Simpatch/" + name + "/060E9000.dml", "shape of " + name);
    game.dir.write("game/Simpatch/" + name + "/rb.vol", "archive of " + name);
    const Files before = game.Snapshot();
    EngineSession e;
    Activate(e, "060E " + name, "0602");
    Activate(e, "0099 " + name, "0602");
    Files active = game.Snapshot();
    EXPECT_EQ(active["Simpatch/06029000.dml"], "shape of " + name) << name;
    EXPECT_EQ(active["rb.vol"], "archive of " + name) << name;
    EXPECT_TRUE(active.contains("Simpatch/0602_" + name + ".aop")) << name;
    EXPECT_TRUE(active.contains("Simpatch/0099_" + name + "_vol_patch.aop")) << name;

    Deactivate(e, "0099_" + name + "_vol_patch");
    Deactivate(e, "0602_" + name);
    EXPECT_TRUE(game.Snapshot() == before) << name << testing::Difference(before, game.Snapshot());
  }
}

}  // namespace
}  // namespace vantrel
