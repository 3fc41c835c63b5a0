// An archive that does not fit the disk is refused before anything is written. The test
// mounts its own small disk, which needs root and, for a Windows program, cannot be done.
#include <gtest/gtest.h>

#include "archive/patch_archive.h"
#include "archive_fixture.h"
#include "small_disk.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;
using archive::ExtractPatchFolder;
using archive::FindPatchFolders;
using archive::FoundPatch;

class FullDiskArchive : public ::testing::Test, public ArchiveFixture {};

TEST_F(FullDiskArchive, AnArchiveLargerThanTheFreeSpaceIsRefusedBeforeAnythingIsWritten) {
  SmallDisk disk(dir.path() / "disk", "4m");
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
  const std::string file =
      Archive("big", Format::Zip, {{"P/03059000.dml", "shape"}, {"P/big.bmp", Varied(6 << 20, 4)}});
  const FoundPatch patch = FindPatchFolders(file).at(0);
  fs::create_directories(dir.path() / "disk/game/Work");
  fs::current_path(dir.path() / "disk/game/Work");
  const std::uint64_t free = disk.Free();
  try {
    ExtractPatchFolder(file, patch, "P");
    ADD_FAILURE() << "unpacked onto a disk too small for it";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Not enough free space to unpack big.zip: it needs " +
                                         std::to_string(patch.unpackedSize) + " bytes, and " + std::to_string(free) +
                                         " are free.");
  }
  EXPECT_EQ(Listing(dir.path() / "disk/game/Work"), std::set<std::string>{"vantrel.lock"});
  fs::current_path(Work());
}

}  // namespace
}  // namespace vantrel::testing
