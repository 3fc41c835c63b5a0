#include "platform/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::TempDir;

TEST(ResolvePath, ExactNameWinsOverCaseVariants) {
  TempDir dir;
  dir.write("Game/RB.vol", "1");
  dir.write("Game/rb.vol", "2");
  dir.write("Game/Rb.VOL", "3");
  EXPECT_EQ(ResolvePath("Game\\rb.vol"), "Game/rb.vol");
  EXPECT_EQ(ResolvePath("Game/Rb.VOL"), "Game/Rb.VOL");
  // No exact entry: the first variant in NTFS order, which for equal upper cases is byte order.
  EXPECT_EQ(ResolvePath("game\\rB.vol"), "Game/RB.vol");
}

TEST(ResolvePath, FindsEachComponentWithoutRegardToCase) {
  TempDir dir;
  dir.write("Game/Multi/rbmulti.vol", "x");
  dir.write("Game/Simpatch/a.txt", "x");
  EXPECT_EQ(ResolvePath("GAME\\multi\\RBMULTI.VOL"), "Game/Multi/rbmulti.vol");
  std::filesystem::current_path(dir.path() / "Game" / "Simpatch");
  EXPECT_EQ(ResolvePath("..\\MULTI\\RbMulti.vol"), "../Multi/rbmulti.vol");
  EXPECT_EQ(ResolvePath(".\\A.TXT"), "./a.txt");
  const std::string absolute = (dir.path() / "Game").string();
  EXPECT_EQ(ResolvePath(absolute + "\\SIMPATCH\\A.txt"), absolute + "/Simpatch/a.txt");
}

TEST(ResolvePath, MissingComponentsAreKeptAsWritten) {
  TempDir dir;
  dir.write("Game/multi/x.vol", "x");
  EXPECT_EQ(ResolvePath("GAME\\New Folder\\MULTI\\X.VOL"), "Game/New Folder/MULTI/X.VOL");
  EXPECT_EQ(ResolvePath("game\\MULTI\\NewFile.TXT"), "Game/multi/NewFile.TXT");
  EXPECT_EQ(ResolvePath("game\\\\multi\\"), "Game/multi/");
  EXPECT_EQ(ResolvePath(""), "");
}

TEST(ResolvePath, NamesWindowsCannotHoldAreNeverFoundByCase) {
  TempDir dir;
  dir.write("a\nB", "x");
  dir.write("q\"X", "x");
  EXPECT_EQ(ResolvePath("A\nb"), "A\nb");
  EXPECT_EQ(ResolvePath("Q\"x"), "Q\"x");
  EXPECT_EQ(ResolvePath("a\nB"), "a\nB");  // the exact name still names it
}

}  // namespace
}  // namespace vantrel::platform
