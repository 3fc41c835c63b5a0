// The job scripts run by the real batch interpreter on a laid-out sample game, checked on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "engine/activation.h"
#include "engine_session.h"
#include "platform/files.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::EngineSession;
using testing::RunScript;
using testing::TempDir;

// The sample game in game/, with Simpatch, its working folder, made the current folder.
struct SampleGame {
  SampleGame() {
    samplegame::LaySampleGame((dir.path() / "game").string());
    platform::ChangeDirectory("game/Simpatch");
  }
  std::string Read(const std::string& rel) const { return dir.read("game/Simpatch/" + rel); }
  bool Has(const std::string& rel) const { return dir.exists("game/Simpatch/" + rel); }
  void Write(const std::string& rel, const std::string& bytes) const { dir.write("game/Simpatch/" + rel, bytes); }

  TempDir dir;
};

// Every file below the game folder with its bytes.
std::map<std::string, std::string> Snapshot(const SampleGame& game) {
  std::map<std::string, std::string> files;
  const fs::path root = game.dir.path() / "game";
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files[fs::relative(entry.path(), root).string()] = testing::ReadFileBytes(entry.path());
  }
  return files;
}

void Activate(EngineSession& e, const std::string& patchLine, std::string_view slot) {
  e.SelectPatch(patchLine);
  e.SelectSlot(slot);
  RunScript(WriteActivationScript(e.s));
}

void Deactivate(EngineSession& e, const std::string& entry) {
  e.s.cat.ListBox3.Clear();
  e.SelectActive(entry);
  RunScript(*WriteDeactivationScript(e.s));
}

TEST(RunOnDisk, ObjectPatchReplacesTheSlotsFilesAndMarkersAndGoesAgain) {
  SampleGame game;
  game.Write("0601abcd.bmp", "stale texture of the slot");
  game.Write("0601_Old Truck.aop", "Active");
  game.Write("06029000.dml", "another slot");
  EngineSession e;
  Activate(e, "060E Big Tank", "0601");
  EXPECT_EQ(game.Read("06019000.dml"), "Big Tank/060E9000.dml\n");
  EXPECT_EQ(game.Read("06019000.dts"), "Big Tank/060E9000.dts\n");
  EXPECT_EQ(game.Read("0601tex1.bmp"), "Big Tank/060Etex1.bmp\n");
  EXPECT_TRUE(game.Has("0601_Big Tank.aop"));
  EXPECT_FALSE(game.Has("0601_Old Truck.aop"));
  EXPECT_FALSE(game.Has("0601abcd.bmp"));
  EXPECT_FALSE(game.Has("0601.bat")) << "the script deletes itself";

  Deactivate(e, "0601_Big Tank");
  for (const char* gone : {"06019000.dml", "06019000.dts", "0601tex1.bmp", "0601_Big Tank.aop", "0601.bat"}) {
    EXPECT_FALSE(game.Has(gone)) << gone;
  }
  EXPECT_EQ(game.Read("06029000.dml"), "another slot");
}

TEST(RunOnDisk, AircraftPatchBringsItsBitmapsAndDamageTableAndLeavesOnlyThePlaneBitmap) {
  SampleGame game;
  EngineSession e;
  e.s.fmdmChanging = true;
  Activate(e, "031F FE2b Fighter", "0305");
  const std::map<std::string, std::string> installed = {
      {"03059000.dml", "031F9000.dml"}, {"03059000.dts", "031F9000.dts"}, {"0305tex1.bmp", "031Ftex1.bmp"},
      {"win005.bmp", "win01F.bmp"},     {"win105.bmp", "win11F.bmp"},     {"str005.bmp", "str01F.bmp"},
      {"planep05.bmp", "planep1F.bmp"}, {"05damage.dat", "1Fdamage.dat"}};
  for (const auto& [target, source] : installed) {
    EXPECT_EQ(game.Read(target), "FE2b Fighter/" + source + "\n") << target;
  }
  EXPECT_TRUE(game.Has("0305_FE2b Fighter.aop"));

  Deactivate(e, "0305_FE2b Fighter");
  for (const auto& [target, source] : installed) {
    EXPECT_EQ(game.Has(target), target == "planep05.bmp") << target;
  }
  EXPECT_FALSE(game.Has("0305_FE2b Fighter.aop"));
}

TEST(RunOnDisk, VolumePatchReplacesArchivesInTheGameFoldersAndRemovalPutsTheOriginalsBack) {
  SampleGame game;
  game.Write("SpringMaps/RbMulti.VOL", "spring multi archive");
  const auto before = Snapshot(game);
  EngineSession e;
  Activate(e, "0099 SpringMaps", "0301");
  const auto active = Snapshot(game);
  EXPECT_EQ(active.at("rb.vol"), before.at("Simpatch/SpringMaps/RB.VOL"));
  EXPECT_EQ(active.at("rb.vol.orig"), before.at("rb.vol"));
  EXPECT_EQ(active.at("3dpatch/3dspring.vol"), before.at("Simpatch/SpringMaps/3DSpring.vol"));
  EXPECT_EQ(active.at("3dpatch/3dspring.vol.orig"), before.at("3dpatch/3dspring.vol"));
  EXPECT_EQ(active.at("Multi/rbmulti.vol"), "spring multi archive");
  EXPECT_EQ(active.at("3dpatch/3dfall.vol"), before.at("3dpatch/3dfall.vol"));
  EXPECT_TRUE(active.contains("Simpatch/0099_SpringMaps_vol_patch.aop"));

  // A second install must not save the patch's copy over the game's original.
  Activate(e, "0099 SpringMaps", "0301");
  EXPECT_EQ(Snapshot(game).at("rb.vol.orig"), before.at("rb.vol"));

  Deactivate(e, "0099_SpringMaps_vol_patch");
  EXPECT_EQ(Snapshot(game), before);
}

// What an activation and its removal leave behind: nothing but the plane bitmap.
TEST(RunOnDisk, ARoundTripLeavesTheGameAsItWas) {
  SampleGame game;
  // In an installed game the stock model files are copies of the working ones.
  for (const auto& file : samplegame::kModelFiles) {
    fs::copy_file(fs::path("vantrel-files") / file.name, file.name, fs::copy_options::overwrite_existing);
  }
  const auto before = Snapshot(game);
  EngineSession e;
  e.s.fmdmChanging = true;
  e.s.fmVariantFlags = {true, true, true};
  Activate(e, "031F FE2b Fighter", "0305");
  Activate(e, "060E Big Tank", "0601");
  Activate(e, "0099 SpringMaps", "0301");
  EXPECT_NE(Snapshot(game), before);
  Deactivate(e, "0099_SpringMaps_vol_patch");
  Deactivate(e, "0601_Big Tank");
  Deactivate(e, "0305_FE2b Fighter");
  auto after = Snapshot(game);
  EXPECT_EQ(after.extract("Simpatch/planep05.bmp").mapped(), "FE2b Fighter/planep1F.bmp\n");
  EXPECT_EQ(after, before);
}

// Names the shell would split, expand or escape, and bytes outside ASCII.
TEST(RunOnDisk, FolderNamesWithShellCharactersInstallAndRemove) {
  for (const std::string name : {"With Blanks", "100% Steel", "%PATH%", "Tom & Jerry", "Up^Down", "Bang!",
                                 "Paren (1)", "Caf\xC3\xA9 \xE9t\xE9"}) {
    SampleGame game;
    const auto before = Snapshot(game);
    game.Write(name + "/060E9000.dml", "shape of " + name);
    game.Write(name + "/rb.vol", "archive of " + name);
    EngineSession e;
    Activate(e, "060E " + name, "0602");
    EXPECT_EQ(game.Read("06029000.dml"), "shape of " + name) << name;
    EXPECT_TRUE(game.Has("0602_" + name + ".aop")) << name;
    Activate(e, "0099 " + name, "0602");
    EXPECT_EQ(game.dir.read("game/rb.vol"), "archive of " + name) << name;
    EXPECT_TRUE(game.Has("0099_" + name + "_vol_patch.aop")) << name;

    Deactivate(e, "0099_" + name + "_vol_patch");
    Deactivate(e, "0602_" + name);
    auto after = Snapshot(game);
    after.erase("Simpatch/" + name + "/060E9000.dml");
    after.erase("Simpatch/" + name + "/rb.vol");
    EXPECT_EQ(after, before) << name;
  }
}

}  // namespace
}  // namespace vantrel
