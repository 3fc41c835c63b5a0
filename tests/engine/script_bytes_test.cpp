// The job scripts, byte for byte: the worked examples, the frame's six trailer cases and
// the entries a job refuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/activation.h"
#include "engine_session.h"
#include "platform/errors.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using testing::EngineSession;
using testing::kMissingShell;
using testing::TempDir;

std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

TEST(ObjectScript, InstallsBigTankInto061AAndEmptiesASlot) {
  TempDir dir;
  for (const char* file : {"060E9000.dml", "060E9000.dts", "060Etex1.bmp", "notes.txt"}) {
    dir.write(std::string("BigTank/") + file, "");
  }
  EngineSession e;
  e.SelectPatch("060E BigTank");
  e.SelectSlot("061A");
  ActivateSelection(e.s);
  EXPECT_EQ(dir.read("061A.bat"),
            Lines({"echo deleting 061A", "del 061A????.dml", "del 061A????.dts", "del 061A????.bmp",
                   R"(del "061A*.aop")", R"(del "061A*.aop")", R"(copy "BigTank\060E9000.dml"  .\061A9000.dml)",
                   R"(copy "BigTank\060E9000.dts"  .\061A9000.dts)", R"(copy "BigTank\060Etex1.bmp"  .\061Atex1.bmp)",
                   R"(echo Active > "061A_BigTank.aop")", "if exist 061A.bat del 061A.bat", "Pause"}));
  EXPECT_EQ(e.messages.size(), 0u);
  EXPECT_EQ(e.s.sourceIndex, 0x0E);
  EXPECT_EQ(e.s.targetIndex, 0x1A);

  e.SelectActive("0601_BigTruck");
  DeactivateSelection(e.s);
  EXPECT_EQ(dir.read("0601.bat"), Lines({"del 0601????.dml", "del 0601????.dts", "del 0601????.bmp",
                                         R"(del "0601*.aop")", "if exist 0601.bat del 0601.bat"}));
}

// A found name with a blank after the code would split an unquoted target in two.
TEST(ObjectScript, QuotesATargetOnlyWhenItHoldsABlankOrASeparator) {
  TempDir dir;
  dir.write("Tank/060E9000.dml", "");
  dir.write("Tank/060E t 1.bmp", "");
  dir.write("Tank/win00E a.bmp", "");
  EngineSession e;
  e.SelectPatch("060E Tank");
  e.SelectSlot("0305");
  ActivateSelection(e.s);
  const std::string script = dir.read("0305.bat");
  EXPECT_NE(script.find("copy \"Tank\\060E9000.dml\"  .\\03059000.dml\r\n"), std::string::npos) << script;
  EXPECT_NE(script.find("copy \"Tank\\060E t 1.bmp\"  \".\\0305 t 1.bmp\"\r\n"), std::string::npos) << script;
  EXPECT_NE(script.find("copy  \"Tank\\win00E a.bmp\" \"win005 a.bmp\"\r\n"), std::string::npos) << script;
}

// The removals below are of installs made before the ledger was kept: their lines take the
// slot's or the folder's names. (A recorded install's removal is tested on disk.)
void ForgetTheLedger(const TempDir& dir) { std::filesystem::remove_all(dir.path() / "vantrel-files" / "ledger"); }

const std::vector<std::string> kRemoval0305 = {
    "echo deleting 0305", "del 0305????.dml", "del 0305????.dts",  "del 0305????.bmp", "del  win?05??.bmp",
    "del  str?05??.bmp",  "del 05damage.dat", R"(del "0305*.aop")", "pause "};

// MyDr1 made for type 1F, into slot 0305. A long bitmap name keeps its whole rest, and of
// two names that differ in letter case only, the one searched for as written is taken.
TEST(AircraftScript, InstallsMyDr1Into0305AndRemovesIt) {
  TempDir dir;
  const std::string tail = "_painted_for_the_spring_campaign.bmp";
  for (std::string file : {"031F9000.dml", "win01F.bmp", "planep1F.bmp", "PLANEP1F.BMP", "1Fdamage.dat"}) {
    dir.write("MyDr1/" + file, "");
  }
  dir.write("MyDr1/str01F" + tail, "");
  EngineSession e;
  e.s.fmdmChanging = true;
  e.SelectPatch("031F MyDr1");
  e.SelectSlot("0305");
  ActivateSelection(e.s);
  std::vector<std::string> lines = {"echo deleting 0305"};
  lines.insert(lines.end(), kRemoval0305.begin(), kRemoval0305.end());
  // The marker comes after the copies, so a job cut short leaves none.
  lines.insert(lines.end(), {R"(del "0305*.aop")", R"(copy "MyDr1\031F9000.dml"  .\03059000.dml)",
                             R"(copy  "MyDr1\win01F.bmp" win005.bmp)", R"(copy  "MyDr1\str01F)" + tail + "\" str005" + tail,
                             R"(copy  "MyDr1\planep1F.bmp" planep05.bmp)", R"(copy  "MyDr1\1Fdamage.dat" 05damage.dat)",
                             R"(echo Active > "0305_MyDr1.aop")", "if exist 0305.bat del 0305.bat", "Pause"});
  EXPECT_EQ(dir.read("0305.bat"), Lines(lines));

  ForgetTheLedger(dir);
  e.SelectActive("0305_MyDr1");
  DeactivateSelection(e.s);
  lines = kRemoval0305;
  lines.push_back("if exist 0305.bat del 0305.bat");
  EXPECT_EQ(dir.read("0305.bat"), Lines(lines));
}

// Search order is upper-cased byte order: 3DSpring.vol comes before RB.VOL.
TEST(VolumeScript, InstallsSpringMapsKeepingTheGamesArchivesAndPutsThemBack) {
  TempDir dir;
  for (const char* file : {"RB.VOL", "3DSpring.vol", "RbMulti.vol", "other.vol"}) {
    dir.write(std::string("SpringMaps/") + file, "");
  }
  EngineSession e;
  e.SelectPatch("0099 SpringMaps");
  ActivateSelection(e.s);
  EXPECT_EQ(dir.read("0099.bat"),
            Lines({R"(if exist ..\3dpatch\3dspring.vol if not exist ..\3dpatch\3dspring.vol.orig copy )"
                   R"(..\3dpatch\3dspring.vol ..\3dpatch\3dspring.vol.orig)",
                   R"(if exist ..\3dpatch\3dspring.vol.orig copy SpringMaps\3dspring.vol ..\3dpatch\3dspring.vol)",
                   R"(if not exist ..\3dpatch\3dspring.vol copy SpringMaps\3dspring.vol ..\3dpatch\3dspring.vol)",
                   R"(if exist ..\rb.vol if not exist ..\rb.vol.orig copy ..\rb.vol ..\rb.vol.orig)",
                   R"(if exist ..\rb.vol.orig copy SpringMaps\rb.vol ..\rb.vol)",
                   R"(if not exist ..\rb.vol copy SpringMaps\rb.vol ..\rb.vol)",
                   R"(if exist ..\multi\rbmulti.vol if not exist ..\multi\rbmulti.vol.orig copy )"
                   R"(..\multi\rbmulti.vol ..\multi\rbmulti.vol.orig)",
                   R"(if exist ..\multi\rbmulti.vol.orig copy SpringMaps\rbmulti.vol ..\multi\rbmulti.vol)",
                   R"(if not exist ..\multi\rbmulti.vol copy SpringMaps\rbmulti.vol ..\multi\rbmulti.vol)",
                   "echo OK > 0099_SpringMaps_vol_patch.aop",
                   "if exist 0099.bat del 0099.bat"}));

  ForgetTheLedger(dir);
  e.SelectActive("0099_SpringMaps_vol_patch");
  DeactivateSelection(e.s);
  EXPECT_EQ(dir.read("0099.bat"),
            Lines({R"(if not exist ..\3dpatch\3dspring.vol.orig del  ..\3dpatch\3dspring.vol)",
                   R"(if exist ..\3dpatch\3dspring.vol.orig move ..\3dpatch\3dspring.vol.orig ..\3dpatch\3dspring.vol)",
                   R"(if not exist ..\rb.vol.orig del ..\rb.vol)", R"(if exist ..\rb.vol.orig move ..\rb.vol.orig ..\rb.vol)",
                   R"(if not exist ..\multi\rbmulti.vol.orig del ..\multi\rbmulti.vol)",
                   R"(if exist ..\multi\rbmulti.vol.orig move ..\multi\rbmulti.vol.orig ..\multi\rbmulti.vol)",
                   "del 0099_SpringMaps_vol_patch.aop", "if exist 0099.bat del 0099.bat"}));
}

// Entries whose folder part would point the search at the working folder or the game's
// folder, where the game's own archives lie: only the marker goes.
TEST(VolumeScript, RemovalOfAnEntryWithoutAPatchFolderDeletesOnlyTheMarker) {
  TempDir dir;
  dir.write("rb.vol", "an archive in the working folder");
  for (const std::string entry : {"0099_x", "0099__vol_patch", "0099_._vol_patch", "0099_.._vol_patch"}) {
    EngineSession e;
    e.SelectActive(entry);
    WriteDeactivationScript(e.s);
    EXPECT_EQ(dir.read("0099.bat"), Lines({"del " + entry + ".aop", "if exist 0099.bat del 0099.bat"})) << entry;
  }
}

// The shell cannot be found, so its failure text shows which script it was started on.
TEST(JobFrame, WritesTheTrailerOfEachCaseAndStartsTheShellOnTheScript) {
  struct Case {
    std::string patch, slot, active, script;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"0601 Empty", "0F01", "", "0F01.bat", {"if exist 0F01.bat del 0F01.bat", "Pause"}},
      {"0599 Empty", "0305", "", "0099.bat", {"echo OK > 0099_Empty_vol_patch.aop", "if exist 0099.bat del 0099.bat"}},
      {"03A0 Empty", "0305", "", "0099.bat", {}},
      {"", "", "0F01_Empty", "0F01.bat", {"if exist 0F01.bat del 0F01.bat"}},
      {"", "", "0099_Empty_vol_patch", "0099.bat", {"del 0099_Empty_vol_patch.aop", "if exist 0099.bat del 0099.bat"}},
      {"", "", "039A_Empty", "0099.bat", {"if exist 0099.bat del 0099.bat"}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    dir.mkdir("Empty");
    EngineSession e;
    e.s.shellProgram = kMissingShell;
    if (c.active.empty()) {
      e.SelectPatch(c.patch);
      e.SelectSlot(c.slot);
      ActivateSelection(e.s);
    } else {
      e.SelectActive(c.active);
      DeactivateSelection(e.s);
    }
    const std::string which = c.patch + c.active;
    EXPECT_EQ(dir.read(c.script), Lines(c.lines)) << which;
    EXPECT_EQ(e.messages, std::vector<std::string>{"Error #2 executing " + std::string(kMissingShell) + " /C " + c.script})
        << which;
  }
}

TEST(JobFrame, ReadsTypeIndexesByTheHexadecimalRule) {
  TempDir dir;
  EngineSession e;
  e.SelectPatch("06G1 Odd");  // no digit: index 0, the object way
  e.SelectSlot("0601");
  EXPECT_EQ(WriteActivationScript(e.s).script, "0601.bat");
  EXPECT_EQ(e.s.sourceIndex, 0);
  e.SelectPatch("063G Odder");  // reading stops at G
  EXPECT_EQ(WriteActivationScript(e.s).script, "0601.bat");
  EXPECT_EQ(e.s.sourceIndex, 3);
}

// Refused jobs write and start nothing; a removal leaves the pair of the last activation.
TEST(JobFrame, RefusesJobsWithoutAUsableSelection) {
  TempDir dir;
  EngineSession e;
  e.s.shellProgram = kMissingShell;
  e.s.cat.ListBox1.Append("060E BigTank");
  EXPECT_THROW(
      try { ActivateSelection(e.s); } catch (const ListIndexError& err) {
        EXPECT_STREQ(err.what(), "List index out of bounds (-1)");
        throw;
      },
      ListIndexError);
  DeactivateSelection(e.s);  // Active patches is empty: silently nothing
  for (const std::string entry : {"03G5_x", "030_x"}) {
    e.SelectActive(entry);
    EXPECT_THROW(
        try { DeactivateSelection(e.s); } catch (const Error& err) {
          EXPECT_EQ(err.what(), "Invalid active patch entry: " + entry);
          throw;
        },
        Error);
    e.s.cat.ListBox3.Clear();
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_EQ(e.messages.size(), 0u);

  e.s.sourceIndex = 0x1F;
  e.s.targetIndex = 0x05;
  e.SelectActive("0309_Camel");
  DeactivateSelection(e.s);
  EXPECT_EQ(e.s.sourceIndex, 0x1F);
  EXPECT_EQ(e.s.targetIndex, 0x05);
}

}  // namespace
}  // namespace vantrel
