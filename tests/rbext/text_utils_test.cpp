#include "rbext/text_utils.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

TEST(LowerNameTest, LowersOnlyAsciiCapitals) {
  EXPECT_EQ(LowerName("RB.VOL 3DSpring.vol"), "rb.vol 3dspring.vol");
  // The neighbours of A-Z and bytes above 127 stay as they are: names are 8-bit texts.
  EXPECT_EQ(LowerName("@[`{ \xC4\xD6\xDC"), "@[`{ \xC4\xD6\xDC");
  EXPECT_EQ(LowerName(""), "");
}

TEST(LowerNameTest, TakesTextsOfAnyLength) {
  const std::string folder = "Patch " + std::string(1000, 'Q');
  const std::string lower = LowerName(folder);
  ASSERT_EQ(lower.size(), folder.size());
  EXPECT_EQ(lower, "patch " + std::string(1000, 'q'));
}

void ExpectSplit(std::string_view path, std::string_view folder, std::string_view name,
                 std::string_view extension) {
  const SplitPathResult parts = SplitPath(path);
  EXPECT_EQ(parts.folder, folder) << path;
  EXPECT_EQ(parts.name, name) << path;
  EXPECT_EQ(parts.extension, extension) << path;
}

TEST(SplitPathTest, FolderNameWithSeparatorAndExtension) {
  ExpectSplit("C:\\A\\B.C", "C:\\A", "\\B", ".C");
  ExpectSplit("C:\\Games\\Sim\\Simpatch\\vantrel.exe", "C:\\Games\\Sim\\Simpatch", "\\vantrel",
              ".exe");
  ExpectSplit("x\\archive.tar.gz", "x", "\\archive.tar", ".gz");
  ExpectSplit("x\\name.", "x", "\\name", ".");
}

TEST(SplitPathTest, SlashCountsAsSeparator) {
  ExpectSplit("/usr/local/bin/vantrel", "/usr/local/bin", "/vantrel", "");
  ExpectSplit("C:\\A/b/c.d", "C:\\A/b", "/c", ".d");
  ExpectSplit("a/b\\c.d", "a/b", "\\c", ".d");
}

TEST(SplitPathTest, ExtensionOnlyInTheLastComponent) {
  ExpectSplit("/opt/v1.2/vantrel", "/opt/v1.2", "/vantrel", "");
}

TEST(SplitPathTest, MissingPartsAreEmpty) {
  ExpectSplit("", "", "", "");
  ExpectSplit("vantrel", "", "vantrel", "");
  ExpectSplit("vantrel.exe", "", "vantrel", ".exe");
  ExpectSplit("/vantrel", "", "/vantrel", "");
  ExpectSplit("C:\\A\\", "C:\\A", "\\", "");
}

TEST(SplitPathTest, TakesPathsOfAnyLength) {
  const std::string folder = "/home/" + std::string(300, 'd') + "/bin";
  const std::string name = "/" + std::string(400, 'n');
  ExpectSplit(folder + name + ".exe", folder, name, ".exe");
}

}  // namespace
}  // namespace vantrel
