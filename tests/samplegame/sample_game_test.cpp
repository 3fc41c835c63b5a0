#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "platform/errors.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
namespace sg = vantrel::samplegame;
using vantrel::testing::ReadFileBytes;
using vantrel::testing::TempDir;

// Every file under `root`, by "/" separated relative path, with its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string rel = fs::relative(entry.path(), root).generic_string();
    files[rel] = entry.is_directory() ? std::string("<folder>") : ReadFileBytes(entry.path());
  }
  return files;
}

std::string Record(const std::string& bytes, std::size_t index, std::size_t size) {
  return bytes.substr(sg::kModelHeaderSize + index * size, size);
}

TEST(SampleGame, LaysTheGameFoldersArchivesAndPatchFolders) {
  TempDir tmp;
  sg::LaySampleGame("game");
  std::set<std::string> paths;
  for (const auto& [rel, bytes] : Snapshot("game")) paths.insert(rel);
  const std::set<std::string> expected = {
      ".vantrel-sample-game", "rb.vol", "rbshell.vol", "rbtest.vol", "lowres.vol",
      "Multi", "Multi/rbmulti.vol", "Multi/rbmmulti.vol",
      "3dpatch", "3dpatch/3dpatch.vol", "3dpatch/3dspring.vol", "3dpatch/3dwinter.vol", "3dpatch/3dfall.vol",
      "Shellpat", "Simpatch",
      "Simpatch/fmparams.dat", "Simpatch/fmparam2.dat", "Simpatch/fmparam3.dat",
      "Simpatch/acspecs.dat", "Simpatch/acspecs2.dat", "Simpatch/acspecs3.dat",
      "Simpatch/vantrel-files", "Simpatch/vantrel-files/fmparams.dat", "Simpatch/vantrel-files/fmparam2.dat",
      "Simpatch/vantrel-files/fmparam3.dat", "Simpatch/vantrel-files/acspecs.dat",
      "Simpatch/vantrel-files/acspecs2.dat", "Simpatch/vantrel-files/acspecs3.dat",
      "Simpatch/vantrel-files/1Fdamage.dat", "Simpatch/vantrel-files/11damage.dat",
      "Simpatch/vantrel-files/aplane.jpg",
      "Simpatch/FE2b Fighter", "Simpatch/FE2b Fighter/031F9000.dml", "Simpatch/FE2b Fighter/031F9000.dts",
      "Simpatch/FE2b Fighter/031Ftex1.bmp", "Simpatch/FE2b Fighter/win01F.bmp", "Simpatch/FE2b Fighter/win11F.bmp",
      "Simpatch/FE2b Fighter/str01F.bmp", "Simpatch/FE2b Fighter/planep1F.bmp", "Simpatch/FE2b Fighter/1Fdamage.dat",
      "Simpatch/FE2b Fighter/fmparam3.dat", "Simpatch/FE2b Fighter/fe2b.jpg",
      "Simpatch/Big Tank", "Simpatch/Big Tank/060E9000.dml", "Simpatch/Big Tank/060E9000.dts",
      "Simpatch/Big Tank/060Etex1.bmp", "Simpatch/Big Tank/notes.txt",
      "Simpatch/SpringMaps", "Simpatch/SpringMaps/00999000.dml", "Simpatch/SpringMaps/RB.VOL",
      "Simpatch/SpringMaps/3DSpring.vol",
      "Simpatch/Camel Views", "Simpatch/Camel Views/03119000.dml", "Simpatch/Camel Views/03119000.dts",
      "Simpatch/Camel Views/0311tex1.bmp", "Simpatch/Camel Views/camel_a.jpg", "Simpatch/Camel Views/camel_b.jpg",
  };
  EXPECT_EQ(paths, expected);
}

TEST(SampleGame, ArchivesAndPatchFilesHaveDistinctContents) {
  TempDir tmp;
  sg::LaySampleGame("game");
  std::map<std::string, std::string> byContent;  // contents -> first path holding them
  for (const auto& [rel, bytes] : Snapshot("game")) {
    if (bytes == "<folder>" || rel == ".vantrel-sample-game") continue;
    EXPECT_FALSE(bytes.empty()) << rel;
    const auto [it, fresh] = byContent.emplace(bytes, rel);
    EXPECT_TRUE(fresh) << rel << " has the same contents as " << it->second;
  }
  EXPECT_EQ(ReadFileBytes("game/Simpatch/SpringMaps/RB.VOL").substr(0, 26), "SpringMaps archive RB.VOL\n");
}

TEST(SampleGame, ModelRecordsTellFileCopyAndIndexApart) {
  TempDir tmp;
  sg::LaySampleGame("game");
  const struct {
    const char* folder;
    const char* label;
  } copies[] = {{"game/Simpatch/", "work"}, {"game/Simpatch/vantrel-files/", "stock"}};
  std::set<std::string> records;
  std::set<std::string> headers;
  for (const auto& copy : copies) {
    for (const sg::ModelFile& file : sg::kModelFiles) {
      const std::string bytes = ReadFileBytes(std::string(copy.folder) + file.name);
      ASSERT_EQ(bytes.size(), 100 + 256 * file.recordSize) << copy.folder << file.name;
      headers.insert(bytes.substr(0, 100));
      for (std::size_t n = 0; n < 256; ++n) {
        const std::string record = Record(bytes, n, file.recordSize);
        char label[64];
        std::snprintf(label, sizeof label, "%s %s #%03zu;", copy.label, file.name, n);
        ASSERT_EQ(record.substr(0, std::string(label).size()), label) << copy.folder << file.name;
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
  EXPECT_EQ(ReadFileBytes("game/Simpatch/fmparam3.dat").substr(2296, 22), "work fmparam3.dat #009");
  EXPECT_EQ(ReadFileBytes("game/Simpatch/vantrel-files/acspecs3.dat").substr(2752, 23), "stock acspecs3.dat #017");
  EXPECT_NE(patch.substr(0, 100), ReadFileBytes("game/Simpatch/fmparam3.dat").substr(0, 100));
}

TEST(SampleGame, SecondRunGivesTheSameContentAndDropsWhatCameSince) {
  TempDir tmp;
  sg::LaySampleGame("game");
  const auto first = Snapshot("game");

  // What activations leave behind: a changed record, a marker, a job script, a removed file.
  std::string work = ReadFileBytes("game/Simpatch/fmparams.dat");
  work.replace(100, 244, Record(ReadFileBytes("game/Simpatch/vantrel-files/fmparams.dat"), 5, 244));
  tmp.write("game/Simpatch/fmparams.dat", work);
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

  // A file standing where the game folder must go.
  tmp.write("taken", "x");
  EXPECT_THROW(sg::LaySampleGame("taken"), vantrel::Error);
}

// The program beside this test: 0 on success, 1 on a failure, 2 on bad usage.
TEST(SampleGameProgram, ExitCodes) {
  TempDir tmp;
  const fs::path program = fs::read_symlink("/proc/self/exe").parent_path() / "vantrel-samplegame";
  ASSERT_TRUE(fs::exists(program)) << program;
  const std::string run = "'" + program.string() + "'";
  const auto status = [](int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; };
  EXPECT_EQ(status(std::system((run + " 2>/dev/null").c_str())), 2);
  EXPECT_EQ(status(std::system((run + " game").c_str())), 0);
  EXPECT_TRUE(fs::is_regular_file("game/Simpatch/FE2b Fighter/031F9000.dml"));
  tmp.write("other/keep.txt", "mine");
  EXPECT_EQ(status(std::system((run + " other 2>err.txt").c_str())), 1);
  EXPECT_EQ(ReadFileBytes("err.txt").rfind("vantrel-samplegame: ", 0), 0u) << ReadFileBytes("err.txt");
}

}  // namespace
