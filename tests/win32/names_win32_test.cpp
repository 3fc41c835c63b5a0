#include <windows.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.h"
#include "platform/file_length.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/search.h"
#include "platform/text_file.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::TempDir;
namespace fs = std::filesystem;

// UTF-8 inside, UTF-16 on disk: a name written through the layer must be on disk as the
// UTF-16 name Windows shows, and come back from a search byte for byte.
TEST(Win32Names, NonAsciiAndLongNamesRoundTrip) {
  TempDir dir;
  const struct {
    std::string utf8;
    std::wstring onDisk;
  } cases[] = {
      {"S\xC3\xA9 5a \xC3\x9C" "ber.txt", L"S\u00E9 5a \u00DCber.txt"},             // Latin-1 range
      {"\xE9\xA3\x9E\xE6\x9C\xBA.dml", L"\u98DE\u673A.dml"},                          // CJK
      {"\xF0\x9F\x9B\xA9 plane.txt", L"\U0001F6E9 plane.txt"},                       // a surrogate pair
      {std::string(240, 'n') + ".txt", std::wstring(240, L'n') + L".txt"},           // near the limit
  };
  for (const auto& c : cases) {
    {
      TextFileWriter writer(c.utf8);
      writer.WriteLine("line");
      writer.Close();
    }
    EXPECT_TRUE(fs::exists(dir.path() / c.onDisk)) << c.utf8;
    EXPECT_TRUE(FileExists(c.utf8)) << c.utf8;
    EXPECT_EQ(FileLength(c.utf8), 6u) << c.utf8;
    EXPECT_EQ(ReadTextLines(c.utf8), std::vector<std::string>{"line"}) << c.utf8;
    EXPECT_EQ(FindFirstName(c.utf8, Admit::Files), c.utf8);
    MoveFileTo(c.utf8, "moved " + c.utf8.substr(0, 200));
    EXPECT_FALSE(FileExists(c.utf8)) << c.utf8;
    DeleteFileAt("moved " + c.utf8.substr(0, 200));
  }
  EXPECT_EQ(FindEntries("*", Admit::Everything).size(), 0u);
}

TEST(Win32Names, NamesFromASearchAreUtf8) {
  TempDir dir;
  vantrel::testing::WriteFileBytes(dir.path() / L"\u00C4rger.dml", "x");
  const std::vector<FoundEntry> found = FindEntries("*.DML", Admit::Files);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].name, "\xC3\x84rger.dml");
}

TEST(Win32Names, BytesThatAreNotUtf8AreAnInvalidName) {
  TempDir dir;
  try {
    TextFileWriter writer("bad\xFF.txt");
    FAIL() << "a name that is not UTF-8 was created";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), 3);
  }
}

TEST(Win32Names, CurrentFolderComesBackAsUtf8) {
  TempDir dir;
  fs::create_directory(dir.path() / L"Caf\u00E9");
  ChangeDirectory("Caf\xC3\xA9");
  EXPECT_TRUE(CurrentDirectory().ends_with("\\Caf\xC3\xA9")) << "UTF-8, not the ANSI code page";
  ChangeDirectory("..");
}

TEST(Win32Names, OwnPathIsThisProgram) {
  EXPECT_TRUE(IsNtFamily());
  const std::string own = OwnPath();
  EXPECT_TRUE(own.ends_with("win32_tests.exe")) << own;
  EXPECT_TRUE(FileExists(own));
  EXPECT_EQ(OwnFolder() + "\\win32_tests.exe", own);
}

}  // namespace
}  // namespace vantrel::platform
