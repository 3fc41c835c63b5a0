#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "platform/errors.h"
#include "samplegame/sample_game.h"
#include "program_run.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
namespace sg = vantrel::samplegame;
using vantrel::testing::ReadFileBytes;
using vantrel::testing::RunBesideTest;
using vantrel::testing::TempDir;

// Every entry under `root`, by "/" separated relative path, with its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string rel = fs::relative(entry.path(), root).generic_string();
    files[rel] = entry.is_directory() ? std::string("<folder>") : ReadFileBytes(entry.path());
  }
  return files;
}

TEST(SampleGame, LaysTheGameFoldersArchivesAndPatchFoldersWithDistinctContents) {
  TempDir tmp;
  sg::LaySampleGame("game");
  std::set<std::string> paths;
  std::map<std::string, std::string> byContents;  // so that every copy can be traced
  for (const auto& [rel, bytes] : Snapshot("game")) {
    paths.insert(rel);
    if (bytes == "<folder>") continue;
    const auto [it, fresh] = byContents.emplace(bytes, rel);
    EXPECT_TRUE(fresh && !bytes.empty()) << rel << " has the contents of " << it->second;
  }
  const std::string w = "Simpatch/", v = w + "vantrel-files/", a = w + "FE2b Fighter/", o = w + "Big Tank/",
                    s = w + "SpringMaps/", c = w + "Camel Views/";
  const std::set<std::string> expected = {
      ".vantrel-sample-game", "rb.vol", "rbshell.vol", "rbtest.vol", "lowres.vol", "Multi", "Multi/rbmulti.vol",
      "Multi/rbmmulti.vol", "3dpatch", "3dpatch/3dpatch.vol", "3dpatch/3dspring.vol", "3dpatch/3dwinter.vol",
      "3dpatch/3dfall.vol", "Shellpat", "Simpatch", w + "fmparams.dat", w + "fmparam2.dat", w + "fmparam3.dat",
      w + "acspecs.dat", w + "acspecs2.dat", w + "acspecs3.dat", w + "vantrel-files", v + "fmparams.dat",
      v + "fmparam2.dat", v + "fmparam3.dat", v + "acspecs.dat", v + "acspecs2.dat", v + "acspecs3.dat",
      v + "1Fdamage.dat", v + "11damage.dat", v + "aplane.jpg", w + "FE2b Fighter", a + "031F9000.dml",
      a + "031F9000.dts", a + "031Ftex1.bmp", a + "win01F.bmp", a + "win11F.bmp", a + "str01F.bmp",
      a + "planep1F.bmp", a + "1Fdamage.dat", a + "fmparam3.dat", a + "fe2b.jpg", w + "Big Tank",
      o + "060E9000.dml", o + "060E9000.dts", o + "060Etex1.bmp", o + "notes.txt", w + "SpringMaps",
      s + "00999000.dml", s + "RB.VOL", s + "3DSpring.vol", w + "Camel Views", c + "03119000.dml",
      c + "03119000.dts", c + "0311tex1.bmp", c + "camel_a.jpg", c + "camel_b.jpg"};
  EXPECT_EQ(paths, expected);
  EXPECT_EQ(ReadFileBytes("game/Simpatch/SpringMaps/RB.VOL").substr(0, 26), "SpringMaps archive RB.VOL\n");
}

TEST(SampleGame, ModelRecordsTellFileCopyAndIndexApart) {
  TempDir tmp;
  sg::LaySampleGame("game");
  std::set<std::string> records, headers;
  for (const auto& [folder, label] : {std::pair{"game/Simpatch/", "work"}, {"game/Simpatch/vantrel-files/", "stock"}}) {
    for (const sg::ModelFile& file : sg::kModelFiles) {
      const std::string bytes = ReadFileBytes(std::string(folder) + file.name);
      ASSERT_EQ(bytes.size(), 100 + 256 * file.recordSize) << folder << file.name;
      headers.insert(bytes.substr(0, 100));
      for (std::size_t n = 0; n < 256; ++n) {
        const std::string record = bytes.substr(100 + n * file.recordSize, file.recordSize);
        char tag[64];
        std::snprintf(tag, sizeof tag, "%s %s #%03zu;", label, file.name, n);
        ASSERT_EQ(record.rfind(tag, 0), 0u) << folder << file.name << " record " << n;
        records.insert(record);
      }
    }
  }
  EXPECT_EQ(records.size(), 2u * 6 * 256);
  EXPECT_EQ(headers.size(), 2u * 6);
  // The places a transfer of record 17 into slot 9 reads and writes, by plain offset.
  const std::string patch = ReadFileBytes("game/Simpatch/FE2b Fighter/fmparam3.dat");
  ASSERT_EQ(patch.size(), 100u + 256 * 244);
  EXPECT_EQ(patch.substr(4248, 23), "patch fmparam3.dat #017");
  EXPECT_EQ(ReadFileBytes("game/Simpatch/vantrel-files/acspecs3.dat").substr(2752, 23), "stock acspecs3.dat #017");
}

TEST(SampleGame, SecondRunGivesTheSameContentAndDropsWhatCameSince) {
  TempDir tmp;
  sg::LaySampleGame("game");
  const auto first = Snapshot("game");
  // What activations leave behind: a changed record, a marker, a job script, a removed file.
  tmp.write("game/Simpatch/fmparams.dat", ReadFileBytes("game/Simpatch/vantrel-files/fmparams.dat"));
  tmp.write("game/Simpatch/0305_FE2b Fighter.aop", "Active\r\n");
  tmp.write("game/Simpatch/0305.bat", "Pause\r\n");
  fs::remove("game/Simpatch/Big Tank/notes.txt");
  sg::LaySampleGame("game");
  EXPECT_EQ(Snapshot("game"), first);
}

TEST(SampleGame, LeavesAFolderItDidNotLayAlone) {
  TempDir tmp;
  tmp.write("mine/keep.txt", "mine");
  EXPECT_THROW(sg::LaySampleGame("mine"), vantrel::Error);
  EXPECT_EQ(Snapshot("mine"), (std::map<std::string, std::string>{{"keep.txt", "mine"}}));
  tmp.write("taken", "x");  // a file where the game folder must go
  EXPECT_THROW(sg::LaySampleGame("taken"), vantrel::Error);
}

// The program beside this test: 0 on success, 1 on a failure, 2 on bad usage.
TEST(SampleGameProgram, ExitCodes) {
  TempDir tmp;
  const auto run = [](const std::string& args) { return RunBesideTest("vantrel-samplegame", args).status; };
  EXPECT_EQ(run("2>/dev/null"), 2);
  EXPECT_EQ(run("game"), 0);
  EXPECT_TRUE(fs::is_regular_file("game/Simpatch/FE2b Fighter/031F9000.dml"));
  tmp.write("other/keep.txt", "mine");
  EXPECT_EQ(run("other 2>err.txt"), 1);
  EXPECT_EQ(ReadFileBytes("err.txt").rfind("vantrel-samplegame: ", 0), 0u) << ReadFileBytes("err.txt");
}

}  // namespace
