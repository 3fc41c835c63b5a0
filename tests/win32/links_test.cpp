// Writes through links out of the game are refused on Windows too. Wine 8 cannot make links
// itself (CreateSymbolicLinkW does nothing there), but it follows the host's symbolic links
// as reparse points: the test's set-up lays them from the host (links_fixture.sh), and the
// program finds them in VANTREL_LINK_FIXTURE.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/errors.h"
#include "platform/file_length.h"
#include "platform/file_writer.h"
#include "platform/files.h"
#include "platform/game_tree.h"
#include "platform/record_file.h"
#include "platform/text_file.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

namespace fs = std::filesystem;
using vantrel::testing::ReadFileBytes;

// game/Simpatch is the working folder: Out leads to outside/, linked.vol to outside/rb.vol,
// InMulti to game/Multi and multi.vol to game/Multi/rbmulti.vol.
class Links : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* fixture = std::getenv("VANTREL_LINK_FIXTURE");
    ASSERT_NE(fixture, nullptr) << "run by ctest, after its set-up";
    root_ = fs::path(fixture) / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(fs::exists(root_ / "game/Simpatch/linked.vol")) << root_;
    previous_ = fs::current_path();
    fs::current_path(root_ / "game/Simpatch");
    ConfineWritesToGameTree(true);
  }
  void TearDown() override {
    ConfineWritesToGameTree(false);
    if (!previous_.empty()) fs::current_path(previous_);
  }
  std::string Outside(const char* name) const { return ReadFileBytes(root_ / "outside" / name); }

  fs::path root_;
  fs::path previous_;
};

std::string RefusalOf(const std::function<void()>& write) {
  try {
    write();
  } catch (const InOutError& error) {
    return std::string("InOutError ") + error.what();
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

TEST_F(Links, WritesOutOfTheGameAreRefusedWithTheirName) {
  const struct {
    const char* name;
    std::function<void()> write;
  } writes[] = {
      {"linked.vol", [] { FileWriter("linked.vol").Close(); }},
      {"Out\\new.vol", [] { FileWriter("Out\\new.vol").Close(); }},
      {"linked.vol", [] { TextFileWriter("linked.vol").Close(); }},
      {"linked.vol", [] { RecordFile("linked.vol", RecordFile::Mode::ReadWrite); }},
      {"linked.vol", [] { SetFileLength("linked.vol", 1); }},
      {"linked.vol", [] { CopyFileKeepTime("here.vol", "linked.vol"); }},
      {"Out\\rb.vol", [] { CopyFileKeepTime("here.vol", "Out\\rb.vol"); }},
      {"Out\\rb.vol", [] { DeleteFileAt("Out\\rb.vol"); }},
      {"Out\\rb.vol", [] { MoveFileTo("Out\\rb.vol", "moved.vol"); }},
      {"Out\\here.vol", [] { MoveFileTo("here.vol", "Out\\here.vol"); }},
  };
  for (const auto& w : writes) EXPECT_EQ(RefusalOf(w.write), LinkOutOfGameText(w.name)) << w.name;
  EXPECT_EQ(Outside("rb.vol"), "outside archive\n");
  EXPECT_FALSE(fs::exists(root_ / "outside/new.vol"));
  EXPECT_FALSE(fs::exists(root_ / "outside/here.vol"));
  EXPECT_TRUE(fs::exists(root_ / "game/Simpatch/here.vol"));
  EXPECT_FALSE(fs::exists(root_ / "game/Simpatch/moved.vol"));
}

// A link that stays inside the game is written through, to where it leads.
TEST_F(Links, WritesThroughLinksInsideTheGameGoWhereTheyLead) {
  FileWriter append("multi.vol", FileWriter::Mode::Append);
  append.Write("more\n");
  append.Close();
  EXPECT_EQ(ReadFileBytes(root_ / "game/Multi/rbmulti.vol"), "multi archive\nmore\n");
  CopyFileKeepTime("here.vol", "InMulti\\copied.vol");
  EXPECT_EQ(ReadFileBytes(root_ / "game/Multi/copied.vol"), "here\n");
  DeleteFileAt("InMulti\\copied.vol");
  EXPECT_FALSE(fs::exists(root_ / "game/Multi/copied.vol"));
  CopyFileKeepTime("here.vol", "multi.vol");
  EXPECT_EQ(ReadFileBytes(root_ / "game/Multi/rbmulti.vol"), "here\n");
  // The link is kept: what the linked file holds is still what the link's name reads.
  vantrel::testing::WriteFileBytes(root_ / "game/Multi/rbmulti.vol", "changed\n");
  EXPECT_EQ(ReadFileBytes(root_ / "game/Simpatch/multi.vol"), "changed\n");
}

// The switch off, nothing is checked.
TEST_F(Links, UnconfinedWritesAreNotChecked) {
  ConfineWritesToGameTree(false);
  FileWriter("Out\\free.vol").Close();
  EXPECT_TRUE(fs::exists(root_ / "outside/free.vol"));
}

}  // namespace
}  // namespace vantrel::platform
