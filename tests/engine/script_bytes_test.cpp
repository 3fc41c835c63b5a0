// The job scripts, byte for byte, for the worked examples and the frame's six trailer cases.
#include <gtest/gtest.h>

#include "engine/activation.h"
#include "engine_session.h"
#include "platform/errors.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using testing::CrLf;
using testing::EngineSession;
using testing::kMissingShell;
using testing::TempDir;

TEST(ObjectScript, InstallsBigTankIntoSlot061A) {
  TempDir dir;
  dir.write("BigTank/060E9000.dml", "shape");
  dir.write("BigTank/060E9000.dts", "shape");
  dir.write("BigTank/060Etex1.bmp", "texture");
  dir.write("BigTank/notes.txt", "not copied");
  EngineSession e;
  e.SelectPatch("060E BigTank");
  e.SelectSlot("061A");
  ActivateSelection(e.s);
  EXPECT_EQ(dir.read("061A.bat"), CrLf({"echo deleting 061A", "del 061A????.dml", "del 061A????.dts",
                                        "del 061A????.bmp", "del \"061A*.aop\"", "del \"061A*.aop\"",
                                        "copy \"BigTank\\060E9000.dml\"  .\\061A9000.dml",
                                        "copy \"BigTank\\060E9000.dts\"  .\\061A9000.dts",
                                        "copy \"BigTank\\060Etex1.bmp\"  .\\061Atex1.bmp",
                                        "echo Active > \"061A_BigTank.aop\"", "if exist 061A.bat del 061A.bat",
                                        "Pause"}));
  EXPECT_TRUE(e.messages.empty());
  EXPECT_EQ(e.s.sourceIndex, 0x0E);
  EXPECT_EQ(e.s.targetIndex, 0x1A);
}

TEST(ObjectScript, RemovalEmptiesTheSlotWithoutPause) {
  TempDir dir;
  EngineSession e;
  e.SelectActive("0601_BigTruck");
  DeactivateSelection(e.s);
  EXPECT_EQ(dir.read("0601.bat"), CrLf({"del 0601????.dml", "del 0601????.dts", "del 0601????.bmp",
                                        "del \"0601*.aop\"", "if exist 0601.bat del 0601.bat"}));
}

TEST(ObjectScript, ShortShapeNamesKeepTheirRest) {
  TempDir dir;
  dir.write("Short/06029.dml", "");  // fewer than four characters after the code
  EngineSession e;
  e.SelectPatch("0602 Short");
  e.SelectSlot("0601");
  ASSERT_EQ(WriteActivationScript(e.s), "0601.bat");
  EXPECT_NE(dir.read("0601.bat").find("copy \"Short\\06029.dml\"  .\\06019.dml\r\n"), std::string::npos);
}

TEST(ObjectScript, PercentSignsInNamesAreDoubledAndOtherNamesStayAsTheyAre) {
  TempDir dir;
  dir.write("100% & more!/060E9000.dml", "");
  dir.write("100% & more!/060E%1.bmp", "");
  EngineSession e;
  e.SelectPatch("060E 100% & more!");
  e.SelectSlot("0601");
  WriteActivationScript(e.s);
  const std::string script = dir.read("0601.bat");
  EXPECT_NE(script.find("copy \"100%% & more!\\060E9000.dml\"  .\\06019000.dml\r\n"), std::string::npos);
  EXPECT_NE(script.find("copy \"100%% & more!\\060E%%1.bmp\"  .\\0601%%1.bmp\r\n"), std::string::npos);
  EXPECT_NE(script.find("echo Active > \"0601_100%% & more!.aop\"\r\n"), std::string::npos);
}

// The files of the aircraft example: MyDr1 made for type 1F, installed into slot 0305.
void LayMyDr1(const TempDir& dir) {
  dir.write("MyDr1/031F9000.dml", "");
  dir.write("MyDr1/win01F.bmp", "");
  dir.write("MyDr1/str01Fx.bmp", "");
  dir.write("MyDr1/planep1F.bmp", "");
  dir.write("MyDr1/1Fdamage.dat", "");
}

const std::vector<std::string_view> kRemoval0305 = {
    "echo deleting 0305", "del 0305????.dml",   "del 0305????.dts",  "del 0305????.bmp", "del  win?05??.bmp",
    "del  str?05??.bmp",  "del 05damage.dat", "del \"0305*.aop\"", "pause "};

std::vector<std::string_view> Joined(std::vector<std::string_view> a, const std::vector<std::string_view>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::string CrLf(const std::vector<std::string_view>& lines) {
  std::string out;
  for (auto line : lines) out.append(line).append("\r\n");
  return out;
}

TEST(AircraftScript, InstallsMyDr1IntoSlot0305WithDamageTable) {
  TempDir dir;
  LayMyDr1(dir);
  EngineSession e;
  e.s.fmdmChanging = true;
  e.SelectPatch("031F MyDr1");
  e.SelectSlot("0305");
  ActivateSelection(e.s);
  EXPECT_EQ(dir.read("0305.bat"),
            CrLf(Joined(Joined({"echo deleting 0305"}, kRemoval0305),
                        {"del \"0305*.aop\"", "echo Active > \"0305_MyDr1.aop\"",
                         "copy \"MyDr1\\031F9000.dml\"  .\\03059000.dml", "copy  \"MyDr1\\win01F.bmp\" win005.bmp",
                         "copy  \"MyDr1\\str01Fx.bmp\" str005x.bmp", "copy  \"MyDr1\\planep1F.bmp\" planep05.bmp",
                         "copy  \"MyDr1\\1Fdamage.dat\" 05damage.dat", "if exist 0305.bat del 0305.bat", "Pause"})));
}

TEST(AircraftScript, DamageTableComesFromTheSupportFolderOrNotAtAll) {
  TempDir dir;
  dir.write("Plain/031F9000.dml", "");
  EngineSession e;
  e.SelectPatch("031F Plain");
  e.SelectSlot("0305");
  WriteActivationScript(e.s);
  const std::string withoutFmdm = dir.read("0305.bat");
  EXPECT_EQ(withoutFmdm.find("damage.dat\"", 0), std::string::npos) << "no copy of a damage table";
  EXPECT_NE(withoutFmdm.find("copy \"Plain\\031F9000.dml\"  .\\03059000.dml\r\nif exist"), std::string::npos);

  e.s.fmdmChanging = true;
  WriteActivationScript(e.s);
  EXPECT_NE(dir.read("0305.bat").find("copy  \"vantrel-files\\1Fdamage.dat\" 05damage.dat\r\nif exist"),
            std::string::npos);
}

TEST(AircraftScript, BitmapTargetsKeepTheWholeRestOfLongNames) {
  TempDir dir;
  const std::string tail = "_painted_for_the_spring_campaign.bmp";  // far more than 20 characters
  dir.write("Long/win01F" + tail, "");
  EngineSession e;
  e.SelectPatch("031F Long");
  e.SelectSlot("0305");
  WriteActivationScript(e.s);
  EXPECT_NE(dir.read("0305.bat").find("copy  \"Long\\win01F" + tail + "\" win005" + tail + "\r\n"),
            std::string::npos);
}

// Linux can hold names that differ in letter case only; a search for a plain name then
// finds the name as written, or else its variants.
TEST(AircraftScript, AnExactNameWinsOverItsCaseVariants) {
  TempDir dir;
  dir.write("Twin/planep1F.bmp", "");
  dir.write("Twin/PLANEP1F.BMP", "");
  dir.write("Twin/1FDAMAGE.DAT", "");
  EngineSession e;
  e.s.fmdmChanging = true;
  e.SelectPatch("031F Twin");
  e.SelectSlot("0305");
  WriteActivationScript(e.s);
  const std::string script = dir.read("0305.bat");
  EXPECT_NE(script.find("\r\ncopy  \"Twin\\planep1F.bmp\" planep05.bmp\r\ncopy  \"Twin\\1FDAMAGE.DAT\" 05DAMAGE.DAT\r\n"),
            std::string::npos)
      << script;
  EXPECT_EQ(script.find("PLANEP1F"), std::string::npos);
}

TEST(AircraftScript, RemovalOf0305EndsInPauseAndTheSelfDeletion) {
  TempDir dir;
  EngineSession e;
  e.SelectActive("0305_MyDr1");
  DeactivateSelection(e.s);
  EXPECT_EQ(dir.read("0305.bat"), CrLf(Joined(kRemoval0305, {"if exist 0305.bat del 0305.bat"})));
}

// Search order is upper-cased byte order: 3DSpring.vol comes before RB.VOL.
TEST(VolumeScript, InstallsSpringMapsKeepingTheGamesArchives) {
  TempDir dir;
  dir.write("SpringMaps/RB.VOL", "");
  dir.write("SpringMaps/3DSpring.vol", "");
  dir.write("SpringMaps/other.vol", "not a game archive");
  EngineSession e;
  e.SelectPatch("0099 SpringMaps");
  e.SelectSlot("0F00");
  ActivateSelection(e.s);
  EXPECT_EQ(dir.read("0099.bat"),
            CrLf({"if exist ..\\3dpatch\\3dspring.vol if not exist ..\\3dpatch\\3dspring.vol.orig copy "
                  "..\\3dpatch\\3dspring.vol ..\\3dpatch\\3dspring.vol.orig",
                  "copy SpringMaps\\3dspring.vol ..\\3dpatch\\3dspring.vol",
                  "if exist ..\\rb.vol if not exist ..\\rb.vol.orig copy ..\\rb.vol ..\\rb.vol.orig",
                  "copy SpringMaps\\rb.vol ..\\rb.vol", "echo OK > 0099_SpringMaps_vol_patch.aop",
                  "if exist 0099.bat del 0099.bat"}));
}

TEST(VolumeScript, RemovesSpringMapsAndPutsTheOriginalsBack) {
  TempDir dir;
  dir.write("SpringMaps/RB.VOL", "");
  dir.write("SpringMaps/3DSpring.vol", "");
  dir.write("SpringMaps/rbmulti.vol", "");
  EngineSession e;
  e.SelectActive("0099_SpringMaps_vol_patch");
  DeactivateSelection(e.s);
  EXPECT_EQ(dir.read("0099.bat"),
            CrLf({"del  ..\\3dpatch\\3dspring.vol",
                  "if exist ..\\3dpatch\\3dspring.vol.orig move ..\\3dpatch\\3dspring.vol.orig "
                  "..\\3dpatch\\3dspring.vol",
                  "del ..\\rb.vol", "if exist ..\\rb.vol.orig move ..\\rb.vol.orig ..\\rb.vol",
                  "del ..\\multi\\rbmulti.vol",
                  "if exist ..\\multi\\rbmulti.vol.orig move ..\\multi\\rbmulti.vol.orig ..\\multi\\rbmulti.vol",
                  "del 0099_SpringMaps_vol_patch.aop", "if exist 0099.bat del 0099.bat"}));
}

TEST(VolumeScript, QuotesPathsThatTheShellWouldSplit) {
  TempDir dir;
  dir.write("Spring Maps (50%)/rb.vol", "");
  EngineSession e;
  e.SelectPatch("0099 Spring Maps (50%)");
  WriteActivationScript(e.s);
  EXPECT_EQ(dir.read("0099.bat"),
            CrLf({"if exist ..\\rb.vol if not exist ..\\rb.vol.orig copy ..\\rb.vol ..\\rb.vol.orig",
                  "copy \"Spring Maps (50%%)\\rb.vol\" ..\\rb.vol", "echo OK > \"0099_Spring Maps (50%%)_vol_patch.aop\"",
                  "if exist 0099.bat del 0099.bat"}));

  e.SelectActive("0099_Spring Maps (50%)_vol_patch");
  WriteDeactivationScript(e.s);
  EXPECT_EQ(dir.read("0099.bat"),
            CrLf({"del ..\\rb.vol", "if exist ..\\rb.vol.orig move ..\\rb.vol.orig ..\\rb.vol",
                  "del \"0099_Spring Maps (50%%)_vol_patch.aop\"", "if exist 0099.bat del 0099.bat"}));
}

// Entries whose folder part would point the search at the working folder or the game's
// folder, where the game's own archives lie: only the marker goes.
TEST(VolumeScript, RemovalOfEntriesWithoutAPatchFolderDeletesOnlyTheMarker) {
  TempDir dir;
  dir.write("rb.vol", "an archive in the working folder");
  dir.write("x/rb.vol", "");
  for (const std::string entry : {"0099_x", "0099__vol_patch", "0099_._vol_patch", "0099_.._vol_patch"}) {
    EngineSession e;
    e.SelectActive(entry);
    WriteDeactivationScript(e.s);
    EXPECT_EQ(dir.read("0099.bat"), CrLf({"del " + entry + ".aop", "if exist 0099.bat del 0099.bat"})) << entry;
  }
  EngineSession e;
  e.SelectActive("0099_x_vol_patch_vol_patch");  // cut at the first occurrence
  WriteDeactivationScript(e.s);
  EXPECT_EQ(dir.read("0099.bat"),
            CrLf({"del ..\\rb.vol", "if exist ..\\rb.vol.orig move ..\\rb.vol.orig ..\\rb.vol",
                  "del 0099_x_vol_patch_vol_patch.aop", "if exist 0099.bat del 0099.bat"}));
}

struct TrailerCase {
  const char* name;
  const char* patch;   // Available patches line; empty for a removal
  const char* slot;    // Destination slots code
  const char* active;  // Active patches line; empty for an activation
  const char* script;
  std::vector<std::string_view> lines;
};

// Each case also shows which script the shell is started on: the shell cannot be found,
// so its failure text names the parameters.
TEST(JobFrame, WritesTheTrailerOfEachCaseAndStartsTheShellOnTheScript) {
  const std::vector<TrailerCase> cases = {
      {"activation of a class without a body", "0601 Empty", "0F01", "", "0F01.bat",
       {"if exist 0F01.bat del 0F01.bat", "Pause"}},
      {"volume activation", "0599 Empty", "0305", "", "0099.bat",
       {"echo OK > 0099_Empty_vol_patch.aop", "if exist 0099.bat del 0099.bat"}},
      {"activation of index A0", "03A0 Empty", "0305", "", "0099.bat", {}},
      {"removal of a class without a body", "", "", "0F01_Empty", "0F01.bat", {"if exist 0F01.bat del 0F01.bat"}},
      {"volume removal", "", "", "0099_Empty_vol_patch", "0099.bat",
       {"del 0099_Empty_vol_patch.aop", "if exist 0099.bat del 0099.bat"}},
      {"removal of index 9A", "", "", "039A_Empty", "0099.bat", {"if exist 0099.bat del 0099.bat"}},
  };
  for (const TrailerCase& c : cases) {
    TempDir dir;
    dir.mkdir("Empty");
    EngineSession e;
    e.s.shellProgram = kMissingShell;
    if (*c.active) {
      e.SelectActive(c.active);
      DeactivateSelection(e.s);
    } else {
      e.SelectPatch(c.patch);
      e.SelectSlot(c.slot);
      ActivateSelection(e.s);
    }
    EXPECT_EQ(dir.read(c.script), CrLf(c.lines)) << c.name;
    EXPECT_EQ(e.messages, std::vector<std::string>{std::string("Error #2 executing ") + kMissingShell + " /C " +
                                                   c.script})
        << c.name;
  }
}

TEST(JobFrame, ReadsCodesByTheHexadecimalRule) {
  TempDir dir;
  EngineSession e;
  e.SelectPatch("06G1 Odd");  // no digit: index 0, the object way
  e.SelectSlot("0601");
  EXPECT_EQ(WriteActivationScript(e.s), "0601.bat");
  EXPECT_EQ(e.s.sourceIndex, 0);
  EXPECT_EQ(e.s.targetIndex, 1);
  EXPECT_NE(dir.read("0601.bat").find("echo Active > \"0601_Odd.aop\""), std::string::npos);

  e.SelectPatch("063G Odder");  // reading stops at G: index 3
  e.SelectSlot("0311");
  EXPECT_EQ(WriteActivationScript(e.s), "0311.bat");
  EXPECT_EQ(e.s.sourceIndex, 3);
  EXPECT_EQ(e.s.targetIndex, 0x11);
}

TEST(JobFrame, ActivationWithoutASelectedPatchFailsBeforeWritingAnything) {
  TempDir dir;
  EngineSession e;
  e.s.cat.ListBox1.Append("060E BigTank");
  e.s.shellProgram = kMissingShell;
  try {
    ActivateSelection(e.s);
    FAIL() << "no error";
  } catch (const ListIndexError& err) {
    EXPECT_STREQ(err.what(), "List index out of bounds (-1)");
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_TRUE(e.messages.empty());
}

TEST(JobFrame, DeactivationLeavesTheRecordPairAndRefusesMalformedEntries) {
  TempDir dir;
  EngineSession e;
  e.s.shellProgram = kMissingShell;
  DeactivateSelection(e.s);  // an empty list: nothing written, nothing started
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_TRUE(e.messages.empty());

  for (const std::string entry : {"03G5_x", "030_x", "x"}) {
    EngineSession bad;
    bad.s.shellProgram = kMissingShell;
    bad.SelectActive(entry);
    try {
      DeactivateSelection(bad.s);
      ADD_FAILURE() << "no error for " << entry;
    } catch (const Error& err) {
      EXPECT_EQ(std::string(err.what()), "Invalid active patch entry: " + entry);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << entry;
    EXPECT_TRUE(bad.messages.empty()) << entry;
  }

  e.s.sourceIndex = 0x1F;
  e.s.targetIndex = 0x05;
  e.SelectActive("0309_Camel");
  DeactivateSelection(e.s);
  EXPECT_EQ(e.s.sourceIndex, 0x1F);
  EXPECT_EQ(e.s.targetIndex, 0x05);
}

}  // namespace
}  // namespace vantrel
