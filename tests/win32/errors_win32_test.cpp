#include <windows.h>
#include <gtest/gtest.h>

#include <functional>

#include "platform/errors.h"
#include "platform/file_length.h"
#include "platform/file_writer.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/record_file.h"
#include "platform/text_file.h"
#include "platform/unique_handle.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::TempDir;

int CodeOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const InOutError& e) {
    EXPECT_EQ(e.what(), InOutError::TextFor(e.code()));
    return e.code();
  }
  return 0;
}

// The numbers come from GetLastError now, and must be the ones the POSIX side gives for the
// same failures, with the same texts.
TEST(Win32Errors, EachFailureHasItsWindowsNumber) {
  TempDir dir;
  dir.write("data.dat", "12345678");
  dir.mkdir("folder");
  dir.write("held.txt", "x");
  // Held without sharing, as a running game holds its files: a sharing violation. (A
  // read-only attribute would not do: Wine lets root write through it, as Linux does.)
  const detail::UniqueHandle held(::CreateFileA("held.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held.valid());
  const struct {
    const char* what;
    std::function<void()> action;
    int code;
  } cases[] = {
      {"read a missing file", [] { ReadTextLines("missing.txt"); }, 2},
      {"write into a missing folder", [] { FileWriter("nowhere\\a.txt"); }, 3},
      {"read a folder", [] { ReadTextLines("folder"); }, 5},
      {"write a file another holds", [] { TextFileWriter("held.txt"); }, 5},
      {"read a file another holds", [] { ReadTextLines("held.txt"); }, 5},
      {"delete a folder", [] { DeleteFileAt("folder"); }, 5},
      {"delete a missing file", [] { DeleteFileAt("missing.txt"); }, 2},
      {"move a missing file", [] { MoveFileTo("missing.txt", "b.txt"); }, 2},
      {"copy into a missing folder", [] { CopyFileKeepTime("data.dat", "nowhere\\data.dat"); }, 3},
      {"length of a missing file", [] { FileLength("missing.dat"); }, 2},
      {"change to a missing folder", [] { ChangeDirectory("nowhere"); }, 2},
      {"name with a reserved character", [] { FileWriter("a?b.txt"); }, 3},
      {"read past the end", [] {
         RecordFile file("data.dat", RecordFile::Mode::ReadOnly);
         char buffer[4];
         file.ReadAt(6, buffer, sizeof buffer);
       }, 100},
  };
  for (const auto& c : cases) EXPECT_EQ(CodeOf(c.action), c.code) << c.what;
}

// A folder standing where the lock file goes: the lock file is named, its number kept.
TEST(Win32Errors, FolderLockNamesItsLockFile) {
  TempDir dir;
  ASSERT_TRUE(::CreateDirectoryA(kFolderLockFile, nullptr));
  try {
    FolderLock lock(std::chrono::milliseconds(0));
    FAIL() << "a folder served as the lock file";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), 5);
    EXPECT_STREQ(e.what(), "File access denied: vantrel.lock");
  }
}

TEST(Win32Errors, FolderLockIsTakenAndGiven) {
  TempDir dir;
  { FolderLock lock; }
  EXPECT_TRUE(FileExists(kFolderLockFile));
  // A second handle of ours stands for another process: LockFileEx locks per handle.
  FolderLock lock;
  EXPECT_EQ(::GetFileAttributesA(kFolderLockFile) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

}  // namespace
}  // namespace vantrel::platform
