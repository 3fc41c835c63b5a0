// The contract of files.h on every system: the working folders are laid out through
// std::filesystem, so that these cases run under Windows as under POSIX. What POSIX alone
// has (names Windows cannot hold, permission bits, links, /proc, devices, a second file
// system) is in files_posix_test.cpp.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "in_out_code.h"
#include "platform/errors.h"
#include "platform/record_file.h"
#include "platform/text_file.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

namespace fs = std::filesystem;
using vantrel::platform::testing::ErrorText;
using vantrel::platform::testing::InOutCode;
using vantrel::testing::Immutable;
using vantrel::testing::TempDir;
using Names = std::vector<std::string>;

// A modification time long past, as the file system keeps it: a system that counts in
// coarser steps than the clock rounds it when it is set.
fs::file_time_type OldTimeOf(const fs::path& file) {
  fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(24 * 400));
  return fs::last_write_time(file);
}

TEST(Existence, FilesAndFoldersAreToldApart) {
  TempDir dir;
  dir.write("Game/rb.vol", "x");
  dir.write("Game/.marker", "x");
  dir.mkdir("Game/Multi");
  EXPECT_TRUE(FileExists("GAME\\RB.VOL"));
  EXPECT_TRUE(FileExists("game/.MARKER"));
  EXPECT_FALSE(FileExists("Game\\Multi"));
  EXPECT_FALSE(FileExists("Game\\missing"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(DirectoryExists("game\\multi"));
  EXPECT_TRUE(DirectoryExists("game\\multi\\"));
  EXPECT_TRUE(DirectoryExists("."));
  EXPECT_FALSE(DirectoryExists("Game\\rb.vol"));
  EXPECT_FALSE(DirectoryExists("Game\\Single"));
}

TEST(Existence, ReadOnlyIsAFileNoOneMayWrite) {
  TempDir dir;
  dir.write("ro.txt", "x");
  dir.write("rw.txt", "x");
  fs::permissions(dir.path() / "ro.txt", fs::perms::owner_read | fs::perms::group_read);
  fs::permissions(dir.path() / "rw.txt", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_TRUE(IsReadOnly("RO.TXT"));
  EXPECT_FALSE(IsReadOnly("rw.txt"));
  EXPECT_FALSE(IsReadOnly("missing.txt"));
}

TEST(CurrentFolder, ChangesThroughCaseBlindNames) {
  TempDir dir;
  dir.mkdir("Game/Simpatch");
  ChangeDirectory("GAME\\simpatch");
  EXPECT_TRUE(fs::equivalent(vantrel::testing::Utf8Path(CurrentDirectory()), dir.path() / "Game" / "Simpatch"));
  EXPECT_EQ(InOutCode([] { ChangeDirectory("nowhere"); }), 2);
}

TEST(CopyFileKeepTime, CopiesBytesAndModificationTime) {
  TempDir dir;
  std::string content(3 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 131 % 251);
  dir.write("src/Model.DAT", content);
  dir.write("dst/model.dat", "old and longer than nothing");
  const auto when = OldTimeOf(dir.path() / "src/Model.DAT");

  CopyFileKeepTime("SRC\\model.dat", "DST\\MODEL.DAT");
  EXPECT_EQ(dir.read("dst/model.dat"), content);
  EXPECT_EQ(fs::last_write_time(dir.path() / "dst/model.dat"), when);
  // The target keeps its name, and the copy's temporary is gone.
  EXPECT_EQ(dir.names("dst"), Names{"model.dat"});

  CopyFileKeepTime("src\\model.dat", "dst\\Fresh.dat");  // a new target takes the name as written
  EXPECT_EQ(dir.read("dst/Fresh.dat"), content);
  EXPECT_EQ(dir.names("dst"), (Names{"Fresh.dat", "model.dat"}));

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
  EXPECT_EQ(dir.names("b").size(), 1u);
}

TEST(CopyFileKeepTime, OntoItselfLeavesTheFileAlone) {
  TempDir dir;
  dir.write("a/rb.vol", "archive");
  for (const char* target : {"a\\RB.VOL", "a", "a\\.\\rb.vol"}) {
    EXPECT_EQ(ErrorText([&] { CopyFileKeepTime("a\\rb.vol", target); }), "The file cannot be copied onto itself.")
        << target;
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
  EXPECT_EQ(InOutCode([] { CopyFileKeepTime("src.vol", "locked.vol"); }), 5);
  EXPECT_EQ(InOutCode([] { MoveFileTo("src.vol", "locked.vol"); }), 5);
  EXPECT_EQ(InOutCode([] { TextFileWriter out("locked.vol"); }), 5);
  EXPECT_EQ(InOutCode([] { RecordFile file("locked.vol", RecordFile::Mode::ReadWrite); }), 5);
  EXPECT_EQ(dir.read("locked.vol"), "kept");
  EXPECT_TRUE(dir.exists("src.vol"));
}

TEST(MoveFileTo, ReplacesTheTargetAndKeepsAFileMovedOntoItsOwnName) {
  TempDir dir;
  dir.write("a/new.vol", "new");
  dir.write("b/Old.vol", "old");
  dir.write("c/name.txt", "n");
  MoveFileTo("A\\NEW.VOL", "B\\old.vol");
  EXPECT_EQ(dir.names("a"), Names{});
  EXPECT_EQ(dir.read("b/Old.vol"), "new");
  EXPECT_EQ(dir.names("b"), Names{"Old.vol"});
  MoveFileTo("c\\name.txt", "c\\NAME.TXT");
  EXPECT_EQ(dir.read("c/NAME.TXT"), "n");
  EXPECT_EQ(dir.names("c").size(), 1u);
  EXPECT_EQ(InOutCode([] { MoveFileTo("a\\new.vol", "b\\x.vol"); }), 2);
  EXPECT_EQ(InOutCode([] { MoveFileTo("b\\old.vol", "c"); }), 5);  // a folder stands at the target
}

}  // namespace
}  // namespace vantrel::platform
