// A copy onto a file reaches it whole or not at all: a copy cut short leaves the old file
// as it was and no temporary behind.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/unique_handle.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::TempDir;

constexpr std::size_t kBig = 4u << 20;

int CopyCode(const char* source, const char* target) {
  try {
    CopyFileKeepTime(source, target);
  } catch (const InOutError& error) {
    return error.code();
  }
  return 0;
}

class WholeCopy : public ::testing::Test {
 protected:
  WholeCopy() {
    dir_.write("source.vol", std::string(kBig, 'n'));
    dir_.write("rb.vol", "the old archive");
  }
  // The folder holds the two files alone: no temporary is left beside the target.
  void ExpectNoTemporary() const {
    EXPECT_EQ(dir_.names(), (std::vector<std::string>{"rb.vol", "source.vol"}));
  }
  TempDir dir_;
};

// The game holds its archive open, as a running game does, without letting it be
// replaced: the copy has written every byte of its temporary when the move is refused, and
// the target keeps every old byte.
TEST_F(WholeCopy, ACopyRefusedAtTheLastStepLeavesTheOldTargetWhole) {
  {
    const detail::UniqueHandle game(
        ::CreateFileA("rb.vol", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(game.valid());
    EXPECT_EQ(CopyCode("source.vol", "rb.vol"), 5);
    EXPECT_EQ(dir_.read("rb.vol"), "the old archive");
    ExpectNoTemporary();
  }
  CopyFileKeepTime("source.vol", "rb.vol");  // once the game has let go
  EXPECT_EQ(dir_.read("rb.vol"), std::string(kBig, 'n'));
}

TEST_F(WholeCopy, AReadOnlyTargetIsRefusedAndKept) {
  ASSERT_TRUE(::SetFileAttributesA("rb.vol", FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(CopyCode("source.vol", "rb.vol"), 5);
  ::SetFileAttributesA("rb.vol", FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(dir_.read("rb.vol"), "the old archive");
  ExpectNoTemporary();
}

// A read-only source gives a read-only copy, as CopyFileW makes it, flushed all the same.
TEST_F(WholeCopy, AReadOnlySourceIsCopiedWithItsAttribute) {
  ASSERT_TRUE(::SetFileAttributesA("source.vol", FILE_ATTRIBUTE_READONLY));
  CopyFileKeepTime("source.vol", "rb.vol");
  EXPECT_EQ(dir_.read("rb.vol"), std::string(kBig, 'n'));
  EXPECT_NE(::GetFileAttributesA("rb.vol") & FILE_ATTRIBUTE_READONLY, 0u);
  for (const char* name : {"rb.vol", "source.vol"}) ::SetFileAttributesA(name, FILE_ATTRIBUTE_NORMAL);
  ExpectNoTemporary();
}

// What a killed copy left: the temporary of a process that is gone goes at the next copy
// into its folder; one of a live process (this one) stays.
TEST(WholeCopyTemporaries, ADeadWritersTemporaryIsRemovedALiveOnesKept) {
  TempDir dir;
  dir.mkdir("game");
  dir.write("source.vol", "new");
  const std::string live = ".vantrel-" + std::to_string(::GetCurrentProcessId()) + "-900.tmp";
  dir.write("game/.vantrel-4294967291-0.tmp", "half a copy");  // no process has an odd id
  dir.write("game/" + live, "being written");
  CopyFileKeepTime("source.vol", "game\\rb.vol");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "game")) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{live, "rb.vol"}));
}

}  // namespace
}  // namespace vantrel::platform
