// A write that fails after every check has passed, struck with a small disk that is full:
// POSIX's, since a Windows program cannot mount one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/activation.h"
#include "engine_session.h"
#include "model_records_fixture.h"
#include "small_disk.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using namespace testing;  // the model files fixture
using testing::EngineSession;
using testing::kMissingShell;
using testing::SmallDisk;
using testing::TempDir;

// Fills the disk holding the current folder to its last byte.
void FillDisk() {
  std::ofstream filler("filler", std::ios::binary);
  const std::string block(4096, 'f');
  while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
  }
}

// A write that fails after every check has passed: the last working copy is a file with
// nothing stored yet (a hole of its length) on a disk that is full, so its record finds no
// room; the records of the earlier copies land in room they already hold. The earlier
// copies get their records back, and acspecs2.dat, which the record made longer, its old
// length too. Mounting the disk needs root; elsewhere the test is skipped.
TEST(ModelRecords, AWriteThatFailsPutsBackEveryRecordWrittenBeforeIt) {
  TempDir dir;
  SmallDisk disk(dir.path(), "1m");
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small disk here (needs root)";
  std::filesystem::current_path(dir.path());
  LayModelFiles(dir, {});
  std::filesystem::resize_file(dir.path() / "acspecs2.dat", 100 + 10 * 156 + 50);
  const auto last = dir.path() / "acspecs3.dat";
  const auto length = std::filesystem::file_size(last);
  std::filesystem::resize_file(last, 0);
  std::filesystem::resize_file(last, length);
  FillDisk();
  const auto before = ModelFileBytes(dir);
  EngineSession e;
  e.s.shellProgram = kMissingShell;
  e.SelectActive("030A_Camel");
  EXPECT_EQ(InOutErrorText([&] { DeactivateSelection(e.s); }), "Disk full: acspecs3.dat");
  ExpectSameFiles(before, ModelFileBytes(dir));
  EXPECT_EQ(before.count("acspecs.dat"), 1u) << "the working copies were compared";
}

}  // namespace
}  // namespace vantrel
