// Windows' parts of the start-up: the folder remembered in the registry in UTF-16, the
// command line split and turned into UTF-8, and what --help says there.
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>

#include "app/command_line.h"
#include "app/folder_dialog.h"
#include "app/folder_memory.h"
#include "app/wide_arguments.h"
#include "platform/files.h"

namespace vantrel::app {
namespace {

constexpr const wchar_t* kKey = L"Software\\Vantrel\\Vantrel\\start";

std::wstring StoredValue() {
  wchar_t text[MAX_PATH] = {};
  DWORD bytes = sizeof(text);
  if (::RegGetValueW(HKEY_CURRENT_USER, kKey, L"folder", RRF_RT_REG_SZ, nullptr, text, &bytes) != ERROR_SUCCESS) {
    return L"(none)";
  }
  return text;
}

// The user's own remembered folder comes back after the test.
class FolderMemory : public ::testing::Test {
 protected:
  FolderMemory() : before_(RememberedFolder()) {}
  ~FolderMemory() override { RememberFolder(before_); }
  const std::string before_;
};

TEST_F(FolderMemory, IsTheFoldersUtf16InTheUsersRegistryBothWaysRound) {
  // "C:\Spiele\Démo – 測" in UTF-8 and in UTF-16.
  const std::string utf8 = "C:\\Spiele\\D\xC3\xA9mo \xE2\x80\x93 \xE6\xB8\xAC";
  const std::wstring utf16 = L"C:\\Spiele\\D\u00e9mo \u2013 \u6e2c";
  RememberFolder(utf8);
  EXPECT_EQ(StoredValue(), utf16);
  EXPECT_EQ(RememberedFolder(), utf8);

  const std::wstring other = L"D:\\\u30b2\u30fc\u30e0";
  ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"folder", REG_SZ, other.c_str(),
                              static_cast<DWORD>((other.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  EXPECT_EQ(RememberedFolder(), "D:\\\xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0");
}

TEST_F(FolderMemory, NothingRememberedIsNoFolder) {
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"folder");
  EXPECT_EQ(RememberedFolder(), "");
}

// Split as Windows' programs split a command line, the program's name left out.
TEST(WideArguments, AreTheCommandLinesWordsInUtf8) {
  struct Case {
    const wchar_t* line;
    std::vector<std::string> args;
  };
  const Case cases[] = {
      {L"vantrel.exe", {}},
      {L"\"C:\\Program Files\\Vantrel\\vantrel.exe\"", {}},
      {L"vantrel.exe \"C:\\Spiele\\D\u00e9mo \u2013 \u6e2c\"", {"C:\\Spiele\\D\xC3\xA9mo \xE2\x80\x93 \xE6\xB8\xAC"}},
      {L"vantrel.exe --help", {"--help"}},
      {L"vantrel.exe one two", {"one", "two"}},
      {L"vantrel.exe \"\"", {""}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ArgumentsOf(c.line), c.args) << ::testing::PrintToString(std::wstring(c.line));
  }
  EXPECT_EQ(ArgumentsOf(L""), std::vector<std::string>{});
}

// The Win32 window takes no toolkit's options; its help claims none.
TEST(WindowsHelp, NamesOurOptionsOnly) {
  std::ostringstream out;
  ASSERT_EQ(AnswerHelpOrVersion({"--help"}, out), 0);
  EXPECT_NE(out.str().find("Usage: vantrel [FOLDER]"), std::string::npos);
  EXPECT_NE(out.str().find("--version"), std::string::npos);
  EXPECT_EQ(out.str().find("Qt"), std::string::npos) << out.str();
}

TEST(FolderDialog, FirstStartsAtAFolderOfTheUsers) {
  const std::string home = HomeFolder();
  ASSERT_FALSE(home.empty());
  EXPECT_TRUE(platform::DirectoryExists(home)) << home;
}

}  // namespace
}  // namespace vantrel::app
