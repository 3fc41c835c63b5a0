#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

bool IsShapeName(const fs::path& file) {  // "????9000.dml"
  const std::string name = file.filename().string();
  return name.size() == 12 && name.compare(4, 8, "9000.dml") == 0;
}

TEST(ManyPatches, LaysFoldersMarkersAndOtherFilesByCount) {
  vantrel::testing::TempDir tmp;
  vantrel::samplegame::LayManyPatches("work", 60, 10, 75, 120);
  int folders = 0, markers = 0, others = 0;
  std::set<std::string> codes;  // one per folder: every folder a patch of its own object
  for (const auto& entry : fs::directory_iterator("work")) {
    if (!entry.is_directory()) {
      ++(entry.path().extension() == ".aop" ? markers : others);
      EXPECT_FALSE(IsShapeName(entry.path())) << entry.path();
      continue;
    }
    int files = 0, shapes = 0;
    for (const auto& file : fs::directory_iterator(entry.path())) {
      ++files;
      if (!IsShapeName(file.path())) continue;
      ++shapes;
      codes.insert(file.path().filename().string().substr(0, 4));
    }
    EXPECT_EQ(files, 10) << entry.path();
    EXPECT_EQ(shapes, 1) << entry.path();
    ++folders;
  }
  EXPECT_EQ(folders, 60);
  EXPECT_EQ(codes.size(), 60u);
  EXPECT_EQ(markers, 75);
  EXPECT_EQ(others, 120);
}

}  // namespace
