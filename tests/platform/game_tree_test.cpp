// Writes stay inside the game tree (the working folder's parent and below), whatever a
// symbolic link in the game points at; links inside the tree keep working.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/errors.h"
#include "platform/file_writer.h"
#include "platform/files.h"
#include "platform/game_tree.h"
#include "in_out_code.h"
#include "platform/record_file.h"
#include "temp_dir.h"

namespace fs = std::filesystem;
using namespace vantrel;
using namespace vantrel::platform;
using vantrel::platform::testing::ErrorText;
using vantrel::testing::ReadFileBytes;
using vantrel::testing::TempDir;
using vantrel::testing::WriteFileBytes;

namespace {

// TEMP/outside/victim.dat, the game in TEMP/game with its working folder TEMP/game/Simpatch.
class GameTree : public ::testing::Test {
 protected:
  GameTree() {
    dir_.mkdir("outside");
    dir_.mkdir("game/Simpatch");
    dir_.write("outside/victim.dat", "outside bytes");
    dir_.write("game/Simpatch/patch.dat", "patch bytes");
    dir_.write("game/Simpatch/old.dat", "old bytes");
    fs::current_path(dir_.path() / "game/Simpatch");
    ConfineWritesToGameTree(true);
  }
  ~GameTree() override { ConfineWritesToGameTree(false); }

  fs::path Victim() const { return dir_.path() / "outside/victim.dat"; }
  void Link(const fs::path& target, const std::string& link) const { fs::create_symlink(target, link); }

  TempDir dir_;
};

struct WriteKind {
  const char* what;
  std::function<void(const std::string& name)> write;
};

const WriteKind kWrites[] = {
    {"copy onto", [](const std::string& name) { CopyFileKeepTime("patch.dat", name); }},
    {"create", [](const std::string& name) { FileWriter(name).Write("x"); }},
    {"append to", [](const std::string& name) { FileWriter(name, FileWriter::Mode::Append).Write("x"); }},
    {"move onto", [](const std::string& name) { MoveFileTo("patch.dat", name); }},
    {"record write", [](const std::string& name) { RecordFile(name, RecordFile::Mode::ReadWrite).WriteAt(0, "x", 1); }},
};

}  // namespace

TEST_F(GameTree, NoWriteGoesThroughALinkOutOfTheGame) {
  // A link to the outside file itself, and a link of a folder on the way out of the game.
  Link(Victim(), "planep05.bmp");
  fs::create_symlink(dir_.path() / "outside", "../multi");
  for (const WriteKind& kind : kWrites) {
    for (const std::string name : {"planep05.bmp", "..\\multi\\victim.dat", "../multi/new.dat"}) {
      EXPECT_EQ(ErrorText([&] { kind.write(name); }), LinkOutOfGameText(name)) << kind.what << " " << name;
      EXPECT_EQ(ReadFileBytes(Victim()), "outside bytes") << kind.what << " " << name;
      EXPECT_FALSE(fs::exists(dir_.path() / "outside/new.dat")) << kind.what;
      EXPECT_EQ(ReadFileBytes("patch.dat"), "patch bytes") << kind.what;
    }
  }
  EXPECT_EQ(ErrorText([] { DeleteFileAt("../multi/victim.dat"); }), LinkOutOfGameText("../multi/victim.dat"));
  EXPECT_TRUE(fs::exists(Victim()));
  // Reading through such a link is no write.
  CopyFileKeepTime("planep05.bmp", "copied.dat");
  EXPECT_EQ(ReadFileBytes("copied.dat"), "outside bytes");
  // A link itself is the game's entry: deleting it leaves the file it points at.
  DeleteFileAt("planep05.bmp");
  EXPECT_FALSE(fs::is_symlink("planep05.bmp"));
  EXPECT_EQ(ReadFileBytes(Victim()), "outside bytes");
}

TEST_F(GameTree, LinksInsideTheGameAreWrittenThroughAndKept) {
  dir_.mkdir("game/archives");
  dir_.write("game/archives/rb.vol", "original");
  fs::create_symlink("archives/rb.vol", dir_.path() / "game/rb.vol");  // ..\rb.vol, a relative link
  CopyFileKeepTime("..\\rb.vol", "..\\rb.vol.orig");
  CopyFileKeepTime("patch.dat", "..\\rb.vol");
  EXPECT_TRUE(fs::is_symlink("../rb.vol"));
  EXPECT_EQ(ReadFileBytes(dir_.path() / "game/archives/rb.vol"), "patch bytes");
  MoveFileTo("..\\rb.vol.orig", "..\\rb.vol");
  EXPECT_TRUE(fs::is_symlink("../rb.vol"));
  EXPECT_EQ(ReadFileBytes(dir_.path() / "game/archives/rb.vol"), "original");
  // A chain that ends outside is refused like a direct link.
  Link("../rb.vol", "chain.vol");
  fs::remove(dir_.path() / "game/rb.vol");
  fs::create_symlink(Victim(), dir_.path() / "game/rb.vol");
  EXPECT_EQ(ErrorText([] { CopyFileKeepTime("patch.dat", "chain.vol"); }), LinkOutOfGameText("chain.vol"));
  EXPECT_EQ(ReadFileBytes(Victim()), "outside bytes");
}

// A record write changes the file in place, under its other names too; a copy replaces the
// game's name only, so it stays allowed.
TEST_F(GameTree, ARecordWriteToAFileWithAnotherNameIsRefused) {
  fs::create_hard_link(Victim(), "fmparams.dat");
  const auto recordWrite = [] { RecordFile("fmparams.dat", RecordFile::Mode::ReadWrite).WriteAt(0, "x", 1); };
  EXPECT_EQ(ErrorText(recordWrite), HardLinkedText("fmparams.dat"));
  EXPECT_EQ(ErrorText([] { CheckInPlaceWriteInGameTree("fmparams.dat"); }), HardLinkedText("fmparams.dat"));
  EXPECT_EQ(ReadFileBytes(Victim()), "outside bytes");
  RecordFile("old.dat", RecordFile::Mode::ReadWrite).WriteAt(0, "x", 1);
  EXPECT_EQ(ReadFileBytes("old.dat"), "xld bytes");
  CopyFileKeepTime("patch.dat", "fmparams.dat");
  EXPECT_EQ(ReadFileBytes(Victim()), "outside bytes");
  RecordFile("fmparams.dat", RecordFile::Mode::ReadWrite).WriteAt(0, "x", 1);
  EXPECT_EQ(ReadFileBytes("fmparams.dat"), "xatch bytes");
}

TEST_F(GameTree, ADanglingLinkOutOfTheGameCreatesNothingThere) {
  Link(dir_.path() / "outside/none.dat", "fmparams.dat");
  EXPECT_EQ(ErrorText([] { CopyFileKeepTime("patch.dat", "fmparams.dat"); }), LinkOutOfGameText("fmparams.dat"));
  EXPECT_EQ(ErrorText([] { FileWriter("fmparams.dat").Write("x"); }), LinkOutOfGameText("fmparams.dat"));
  EXPECT_FALSE(fs::exists(dir_.path() / "outside/none.dat"));
}

TEST_F(GameTree, ACopyPutsItsContentInPlaceWholeAndCleansUpAfterDeadJobs) {
  // A temporary left by a job that is gone, and one of a job still running (this one).
  const std::string dead = ".vantrel-999999999-0.tmp";
  const std::string live = ".vantrel-" + std::to_string(::getpid()) + "-77.tmp";
  WriteFileBytes(dead, "cut short");
  WriteFileBytes(live, "being written");
  fs::permissions("old.dat", fs::perms(0640));
  CopyFileKeepTime("patch.dat", "old.dat");
  EXPECT_EQ(ReadFileBytes("old.dat"), "patch bytes");
  EXPECT_EQ(fs::status("old.dat").permissions(), fs::perms(0640));  // the replaced file's permissions stay
  EXPECT_FALSE(fs::exists(dead));
  EXPECT_TRUE(fs::exists(live));
  fs::remove(live);
  for (const auto& entry : fs::directory_iterator(".")) {
    EXPECT_EQ(entry.path().filename().string().rfind(".vantrel-", 0), std::string::npos) << entry.path();
  }
}
