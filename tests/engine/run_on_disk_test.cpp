// The job scripts run by the real batch interpreter on a laid-out sample game, checked on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include "engine/activation.h"
#include "engine_session.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/process.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"
#include "under_wine.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::EngineSession;
using testing::RunScript;
using testing::TempDir;
using Files = std::map<std::string, std::string>;

// The sample game in game/, its working folder Simpatch made the current folder; every
// file below game/ with its bytes, but for the lock file our job shell leaves between jobs.
struct SampleGame {
  SampleGame() {
    samplegame::LaySampleGame((dir.path() / "game").string());
    platform::ChangeDirectory("game/Simpatch");
  }
  Files Snapshot() const {
    Files files;
    const fs::path root = dir.path() / "game";
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      if (entry.path().filename() == platform::kFolderLockFile) continue;
      if (entry.is_regular_file()) files[testing::Utf8Name(fs::relative(entry.path(), root))] = testing::ReadFileBytes(entry.path());
    }
    return files;
  }
  TempDir dir;
};

void Activate(EngineSession& e, const std::string& patchLine, std::string_view slot) {
  e.SelectPatch(patchLine);
  e.SelectSlot(slot);
  RunScript(WriteActivationScript(e.s).script);
}

void Deactivate(EngineSession& e, const std::string& entry) {
  e.s.cat.ListBox3.Clear();
  e.SelectActive(entry);
  RunScript(WriteDeactivationScript(e.s)->script);
}

// Installs an aircraft, an object and a volume patch over what the slots held, then removes
// them: only the plane bitmap stays, as the removal leaves it.
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

  Deactivate(e, "0099_SpringMaps_vol_patch");
  Deactivate(e, "0601_Big Tank");
  Deactivate(e, "0305_FE2b Fighter");
  Files after = game.Snapshot();
  EXPECT_EQ(after.extract("Simpatch/planep05.bmp").mapped(), "FE2b Fighter/planep1F.bmp\n");
  if (testing::UnderWine()) {
    // Windows matches a ? before the dot with one character or none, so "del win?05??.bmp"
    // takes win005.bmp; Wine's cmd wants one character for each, and leaves these three.
    for (const char* kept : {"Simpatch/win005.bmp", "Simpatch/win105.bmp", "Simpatch/str005.bmp"}) {
      EXPECT_EQ(after.erase(kept), 1u) << kept;
    }
  }
  EXPECT_EQ(after, before);
}

// A volume script is written only once the game's archives it replaces are kept whole as
// .orig, so that no shell's copy, cut short, can stand for one; a backup kept already stays.
TEST(RunOnDisk, AVolumeScriptFindsTheGamesArchivesKeptBeforeItRuns) {
  SampleGame game;
  game.dir.write("game/3dpatch/3dspring.vol.orig", "kept earlier");
  const Files before = game.Snapshot();
  EngineSession e;
  e.SelectPatch("0099 SpringMaps");
  e.SelectSlot("0301");
  WriteActivationScript(e.s);
  const Files written = game.Snapshot();
  EXPECT_EQ(written.at("rb.vol.orig"), before.at("rb.vol"));
  EXPECT_EQ(written.at("rb.vol"), before.at("rb.vol"));
  EXPECT_EQ(written.at("3dpatch/3dspring.vol.orig"), "kept earlier");
  EXPECT_FALSE(written.contains("Simpatch/0099_SpringMaps_vol_patch.aop"));
}

// Names the shell would split, expand or escape, and bytes outside ASCII.
TEST(RunOnDisk, FolderNamesWithShellCharactersInstallAndRemove) {
  std::vector<std::string> names = {"With Blanks", "100% Steel", "%PATH%", "Tom & Jerry", "Up^Down", "Bang!",
                                    "Paren (1)", "Caf\xC3\xA9"};
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
    EXPECT_EQ(game.Snapshot(), before) << name;
  }
}

}  // namespace
}  // namespace vantrel
