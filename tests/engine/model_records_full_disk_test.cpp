// A write that fails after every check has passed, struck with a device that refuses
// writes as a full disk does: POSIX's, since Windows has no such device.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "engine/activation.h"
#include "engine_session.h"
#include "model_records_fixture.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using namespace testing;  // the model files fixture
using testing::EngineSession;
using testing::kMissingShell;
using testing::TempDir;

// Opens and reads like a file but refuses every write, as a full disk does.
bool RefusesWrites(const std::filesystem::path& node) {
  const int fd = ::open(node.c_str(), O_RDWR);
  if (fd < 0) return false;
  char byte = 0;
  const bool refused = ::pread(fd, &byte, 1, 100) == 1 && ::pwrite(fd, &byte, 1, 100) < 0 && errno == ENOSPC;
  ::close(fd);
  return refused;
}

// A write that fails after every check has passed: the last working copy is a character
// device that opens and reads but is always full (the system's "full" device, 1:7). The
// earlier copies get their records back, and acspecs2.dat, which the record made longer,
// its old length too. Making the node needs root; where it cannot be made or does not
// refuse writes, the test is skipped.
TEST(ModelRecords, AWriteThatFailsPutsBackEveryRecordWrittenBeforeIt) {
  TempDir dir;
  LayModelFiles(dir, {});
  std::filesystem::resize_file(dir.path() / "acspecs2.dat", 100 + 10 * 156 + 50);
  const auto full = dir.path() / "acspecs3.dat";
  std::filesystem::remove(full);
  if (::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
    GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
  }
  if (!RefusesWrites(full)) GTEST_SKIP() << "the device node does not act as a full disk here";
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
