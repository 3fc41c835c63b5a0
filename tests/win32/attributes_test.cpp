#include <windows.h>
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/search.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::TempDir;

void SetAttributes(const char* name, DWORD attributes) {
  ASSERT_TRUE(::SetFileAttributesA(name, attributes)) << name << ": " << ::GetLastError();
}

std::vector<std::string> Names(const std::vector<FoundEntry>& entries) {
  std::vector<std::string> names;
  for (const FoundEntry& entry : entries) names.push_back(entry.name + (entry.hidden ? "(h)" : ""));
  return names;
}

// Hidden and system are the file system's attributes here, not a leading dot.
class Attributes : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"plain.dml", "hidden.dml", "system.dml", "both.dml"}) dir_.write(name, "x");
    dir_.mkdir("Folder.dml");
    dir_.mkdir("HiddenFolder.dml");
    SetAttributes("hidden.dml", FILE_ATTRIBUTE_HIDDEN);
    SetAttributes("system.dml", FILE_ATTRIBUTE_SYSTEM);
    SetAttributes("both.dml", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    SetAttributes("HiddenFolder.dml", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
  }
  TempDir dir_;
};

TEST_F(Attributes, EachAdmissionSeesWhatItShould) {
  const struct {
    Admit admit;
    std::vector<std::string> expected;
  } cases[] = {
      {Admit::Files, {"plain.dml"}},
      {Admit::FilesAndFolders, {"Folder.dml", "plain.dml"}},
      {Admit::Folders, {"Folder.dml"}},
      {Admit::Everything,
       {"both.dml(h)", "Folder.dml", "hidden.dml(h)", "HiddenFolder.dml(h)", "plain.dml", "system.dml(h)"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Names(FindEntries("*.dml", c.admit)), c.expected) << static_cast<int>(c.admit);
  }
}

TEST_F(Attributes, PlainNamesHonourThemToo) {
  EXPECT_EQ(FindFirstName("HIDDEN.DML", Admit::Files), "");
  EXPECT_EQ(FindFirstName("HIDDEN.DML", Admit::Everything), "hidden.dml");
  EXPECT_EQ(FindFirstName("PLAIN.dml", Admit::Files), "plain.dml");
  // Existence tests see hidden and system files, as FileExists does on Windows.
  EXPECT_TRUE(FileExists("system.dml"));
  EXPECT_TRUE(DirectoryExists("hiddenfolder.dml"));
}

TEST_F(Attributes, ReadOnlyIsTheAttribute) {
  SetAttributes("plain.dml", FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(IsReadOnly("plain.dml"));
  EXPECT_FALSE(IsReadOnly("hidden.dml"));
  EXPECT_FALSE(StateOf("Folder.dml").readOnly);
  SetAttributes("plain.dml", FILE_ATTRIBUTE_NORMAL);
  EXPECT_FALSE(IsReadOnly("plain.dml"));
}

// A wildcard is matched by our matcher against the long name only: Windows' own would also
// match the 8.3 alias "LONGNA~1.DML" of "longname.dmlx".
TEST_F(Attributes, WildcardsIgnoreShortAliases) {
  dir_.write("longname.dmlx", "x");
  EXPECT_EQ(Names(FindEntries("long*.dml", Admit::Files)), std::vector<std::string>{});
  EXPECT_EQ(Names(FindEntries("long*.dml?", Admit::Files)), std::vector<std::string>{"longname.dmlx"});
}

}  // namespace
}  // namespace vantrel::platform
