#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "in_out_code.h"
#include "platform/errors.h"
#include "platform/record_file.h"
#include "platform/text_file.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

namespace fs = std::filesystem;
using vantrel::platform::testing::InOutCode;
using vantrel::testing::Immutable;
using vantrel::testing::TempDir;

fs::file_time_type OldTime() { return fs::file_time_type::clock::now() - std::chrono::hours(24 * 400); }

TEST(Existence, FilesAndFoldersAreToldApart) {
  TempDir dir;
  dir.write("Game/rb.vol", "x");
  dir.write("Game/.marker", "x");
  dir.write("Game/bad\nname", "x");
  dir.mkdir("Game/Multi");
  EXPECT_TRUE(FileExists("GAME\\RB.VOL"));
  EXPECT_TRUE(FileExists("game/.MARKER"));
  EXPECT_FALSE(FileExists("Game\\Multi"));
  EXPECT_FALSE(FileExists("Game\\missing"));
  EXPECT_FALSE(FileExists("Game\\bad\nname"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(DirectoryExists("game\\multi"));
  EXPECT_TRUE(DirectoryExists("game\\multi\\"));
  EXPECT_TRUE(DirectoryExists("."));
  EXPECT_FALSE(DirectoryExists("Game\\rb.vol"));
  EXPECT_FALSE(DirectoryExists("Game\\Single"));
}

TEST(Existence, ReadOnlyLooksAtTheWriteBits) {
  TempDir dir;
  dir.write("ro.txt", "x");
  dir.write("rw.txt", "x");
  fs::permissions(dir.path() / "ro.txt", fs::perms::owner_read | fs::perms::group_read);
  fs::permissions(dir.path() / "rw.txt", fs::perms::owner_read | fs::perms::group_write);
  EXPECT_TRUE(IsReadOnly("RO.TXT"));
  EXPECT_FALSE(IsReadOnly("rw.txt"));
  EXPECT_FALSE(IsReadOnly("missing.txt"));
}

TEST(CurrentFolder, ChangesThroughCaseBlindNames) {
  TempDir dir;
  dir.mkdir("Game/Simpatch");
  ChangeDirectory("GAME\\simpatch");
  EXPECT_EQ(CurrentDirectory(), (fs::canonical(dir.path()) / "Game" / "Simpatch").string());
  EXPECT_EQ(InOutCode([] { ChangeDirectory("nowhere"); }), 2);
}

TEST(CopyFileKeepTime, CopiesBytesAndModificationTime) {
  TempDir dir;
  std::string content(3 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 131 % 251);
  dir.write("src/Model.DAT", content);
  dir.write("dst/model.dat", "old and longer than nothing");
  const auto when = OldTime();
  fs::last_write_time(dir.path() / "src/Model.DAT", when);

  CopyFileKeepTime("SRC\\model.dat", "DST\\MODEL.DAT");
  EXPECT_EQ(dir.read("dst/model.dat"), content);
  EXPECT_FALSE(dir.exists("dst/MODEL.DAT"));
  EXPECT_EQ(fs::last_write_time(dir.path() / "dst/model.dat"), when);

  CopyFileKeepTime("src\\model.dat", "dst\\Fresh.dat");  // a new target takes the name as written
  EXPECT_EQ(dir.read("dst/Fresh.dat"), content);

  dir.write("empty", "");
  CopyFileKeepTime("empty", "dst\\model.dat");
  EXPECT_EQ(dir.read("dst/model.dat"), "");
}

TEST(CopyFileKeepTime, IntoAFolderUnderTheSourceName) {
  TempDir dir;
  dir.write("a/Rb.vol", "archive");
  dir.mkdir("b");
  CopyFileKeepTime("a\\rb.vol", "B");
  EXPECT_EQ(dir.read("b/Rb.vol"), "archive");
}

TEST(CopyFileKeepTime, FromProcFilesWhoseSizeIsUnknown) {
  TempDir dir;
  CopyFileKeepTime("/proc/self/status", "status.txt");
  EXPECT_NE(dir.read("status.txt").find("Name:"), std::string::npos);
}

TEST(CopyFileKeepTime, OntoItselfLeavesTheFileAlone) {
  TempDir dir;
  dir.write("a/rb.vol", "archive");
  fs::create_symlink("a", dir.path() / "alias");
  for (const char* target : {"a\\RB.VOL", "a", "alias\\rb.vol", "a\\.\\rb.vol"}) {
    try {
      CopyFileKeepTime("a\\rb.vol", target);
      ADD_FAILURE() << "copy onto itself through " << target << " was not refused";
    } catch (const InOutError&) {
      ADD_FAILURE() << "an I/O error instead of the copy-onto-itself failure";
    } catch (const Error& error) {
      EXPECT_STREQ(error.what(), "The file cannot be copied onto itself.");
    }
    EXPECT_EQ(dir.read("a/rb.vol"), "archive") << target;
  }
}

TEST(CopyFileKeepTime, ErrorNumbers) {
  TempDir dir;
  dir.write("src.txt", "x");
  dir.mkdir("folder");
  EXPECT_EQ(InOutCode([] { CopyFileKeepTime("missing.txt", "out.txt"); }), 2);
  EXPECT_EQ(InOutCode([] { CopyFileKeepTime("src.txt", "nowhere\\out.txt"); }), 3);
  EXPECT_EQ(InOutCode([] { CopyFileKeepTime("folder", "out.txt"); }), 5);
  EXPECT_FALSE(dir.exists("out.txt"));
  if (fs::exists("/dev/full")) {
    EXPECT_EQ(InOutCode([] { CopyFileKeepTime("src.txt", "/dev/full"); }), 101);
  }
}

TEST(DeleteFileAt, RemovesFilesNeverFolders) {
  TempDir dir;
  dir.write("Rb.vol", "x");
  dir.mkdir("Multi");
  DeleteFileAt("RB.VOL");
  EXPECT_FALSE(dir.exists("Rb.vol"));
  EXPECT_EQ(InOutCode([] { DeleteFileAt("multi"); }), 5);
  EXPECT_TRUE(dir.exists("Multi"));
  EXPECT_EQ(InOutCode([] { DeleteFileAt("rb.vol"); }), 2);
  EXPECT_EQ(InOutCode([] { DeleteFileAt("nowhere\\rb.vol"); }), 3);
}

TEST(ImmutableFiles, RefusedWithAccessDenied) {
  TempDir dir;
  dir.write("locked.vol", "kept");
  dir.write("src.vol", "new");
  Immutable locked(dir.path() / "locked.vol");
  if (!locked.Set()) GTEST_SKIP() << "chattr +i is not available on this file system";
  EXPECT_EQ(InOutCode([] { DeleteFileAt("LOCKED.VOL"); }), 5);
  EXPECT_EQ(InOutCode([] { CopyFileKeepTime("src.vol", "locked.vol"); }), 5);
  EXPECT_EQ(InOutCode([] { MoveFileTo("src.vol", "locked.vol"); }), 5);
  EXPECT_EQ(InOutCode([] { TextFileWriter out("locked.vol"); }), 5);
  EXPECT_EQ(InOutCode([] { RecordFile file("locked.vol", RecordFile::Mode::ReadWrite); }), 5);
  EXPECT_EQ(dir.read("locked.vol"), "kept");
  EXPECT_TRUE(dir.exists("src.vol"));
}

TEST(MoveFileTo, ReplacesTheTargetAndRenamesCase) {
  TempDir dir;
  dir.write("a/new.vol", "new");
  dir.write("b/Old.vol", "old");
  dir.write("c/name.txt", "n");
  MoveFileTo("A\\NEW.VOL", "B\\old.vol");
  EXPECT_FALSE(dir.exists("a/new.vol"));
  EXPECT_EQ(dir.read("b/Old.vol"), "new");
  MoveFileTo("c\\name.txt", "c\\NAME.TXT");
  EXPECT_EQ(dir.read("c/NAME.TXT"), "n");
  EXPECT_FALSE(dir.exists("c/name.txt"));
  EXPECT_EQ(InOutCode([] { MoveFileTo("a\\new.vol", "b\\x.vol"); }), 2);
  EXPECT_EQ(InOutCode([] { MoveFileTo("b\\old.vol", "c"); }), 5);  // a folder stands at the target
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
  const auto when = OldTime();
  fs::last_write_time(outside, when);
  MoveFileTo(outside.string(), "here.txt");
  EXPECT_FALSE(fs::exists(outside));
  EXPECT_EQ(dir.read("here.txt"), "moved");
  EXPECT_EQ(fs::last_write_time(dir.path() / "here.txt"), when);
}

}  // namespace
}  // namespace vantrel::platform
