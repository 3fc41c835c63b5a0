// What files.h promises where POSIX alone can lay it out (names Windows cannot hold, write
// bits of the group and others, links, /proc, devices, a second file system), and what holds
// here but not under Wine, each with what Wine does instead. The contract every system keeps
// is in files_test.cpp.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "in_out_code.h"
#include "platform/files.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

namespace fs = std::filesystem;
using vantrel::platform::testing::ErrorText;
using vantrel::platform::testing::InOutCode;
using vantrel::testing::TempDir;

TEST(Existence, ANameWindowsCannotHoldIsNotThere) {
  TempDir dir;
  dir.write("Game/bad\nname", "x");
  dir.mkdir("Game/bad|folder");
  EXPECT_FALSE(FileExists("Game\\bad\nname"));
  EXPECT_FALSE(DirectoryExists("Game\\bad|folder"));
}

TEST(Existence, AWriteBitForAnyoneMakesAFileWritable) {
  TempDir dir;
  dir.write("rw.txt", "x");
  fs::permissions(dir.path() / "rw.txt", fs::perms::owner_read | fs::perms::group_write);
  EXPECT_FALSE(IsReadOnly("rw.txt"));
}

// Under Wine the current folder keeps the letter case it was entered with
// ("...\GAME\simpatch"), as SetCurrentDirectoryW was given it.
TEST(CurrentFolder, IsNamedAsStored) {
  TempDir dir;
  dir.mkdir("Game/Simpatch");
  ChangeDirectory("GAME\\simpatch");
  EXPECT_EQ(CurrentDirectory(), (fs::canonical(dir.path()) / "Game" / "Simpatch").string());
}

// Under Wine the copy is named as the source was written ("b\rb.vol"): there the path is
// not resolved to the names stored.
TEST(CopyFileKeepTime, IntoAFolderUnderTheSourcesStoredName) {
  TempDir dir;
  dir.write("a/Rb.vol", "archive");
  dir.mkdir("b");
  CopyFileKeepTime("a\\rb.vol", "B");
  EXPECT_EQ(dir.names("b"), std::vector<std::string>{"Rb.vol"});
}

TEST(CopyFileKeepTime, FromProcFilesWhoseSizeIsUnknown) {
  TempDir dir;
  CopyFileKeepTime("/proc/self/status", "status.txt");
  EXPECT_NE(dir.read("status.txt").find("Name:"), std::string::npos);
}

TEST(CopyFileKeepTime, OntoItselfThroughALinkLeavesTheFileAlone) {
  TempDir dir;
  dir.write("a/rb.vol", "archive");
  fs::create_symlink("a", dir.path() / "alias");
  EXPECT_EQ(ErrorText([] { CopyFileKeepTime("a\\rb.vol", "alias\\rb.vol"); }), "The file cannot be copied onto itself.");
  EXPECT_EQ(dir.read("a/rb.vol"), "archive");
}

// A device as the target is written where it is, with its own failure.
TEST(CopyFileKeepTime, OntoAFullDeviceTheDiskIsFull) {
  TempDir dir;
  dir.write("src.txt", "x");
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "needs /dev/full";
  EXPECT_EQ(InOutCode([] { CopyFileKeepTime("src.txt", "/dev/full"); }), 101);
}

// Under Wine a move that changes only the letter case of a name is done without a word and
// leaves the old name.
TEST(MoveFileTo, AChangeOfCaseTakesTheNameAsWritten) {
  TempDir dir;
  dir.write("c/name.txt", "n");
  MoveFileTo("c\\name.txt", "c\\NAME.TXT");
  EXPECT_EQ(dir.names("c"), std::vector<std::string>{"NAME.TXT"});
}

// Under Wine, where the host's immutable flag stands for the read-only attribute, DeleteFileW
// reports the delete done and the file stays.
TEST(ImmutableFiles, ADeleteIsRefusedWithAccessDenied) {
  TempDir dir;
  dir.write("locked.vol", "kept");
  vantrel::testing::Immutable locked(dir.path() / "locked.vol");
  if (!locked.Set()) GTEST_SKIP() << "chattr +i is not available on this file system";
  EXPECT_EQ(InOutCode([] { DeleteFileAt("LOCKED.VOL"); }), 5);
  EXPECT_EQ(dir.read("locked.vol"), "kept");
}

TEST(MoveFileTo, AcrossFileSystemsCopiesAndKeepsTheTime) {
  TempDir dir;
  const fs::path shm = "/dev/shm";
  struct stat here {}, there {};
  if (::stat(dir.path().c_str(), &here) != 0 || ::stat(shm.c_str(), &there) != 0 || here.st_dev == there.st_dev) {
    GTEST_SKIP() << "needs /dev/shm on a file system other than the temporary folder's";
  }
  const fs::path outside = shm / ("vantrel-move-" + std::to_string(::getpid()));
  vantrel::testing::WriteFileBytes(outside, "moved");
  fs::last_write_time(outside, fs::file_time_type::clock::now() - std::chrono::hours(24 * 400));
  const auto when = fs::last_write_time(outside);
  MoveFileTo(outside.string(), "here.txt");
  EXPECT_FALSE(fs::exists(outside));
  EXPECT_EQ(dir.read("here.txt"), "moved");
  EXPECT_EQ(fs::last_write_time(dir.path() / "here.txt"), when);
}

}  // namespace
}  // namespace vantrel::platform
