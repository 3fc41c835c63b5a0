// Case variants found through the folder name index: what the platform changes itself is
// known without reading the folder again; what others change is seen by its new stamp.
#include "platform/name_index.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/file_writer.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/text_file.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

namespace fs = std::filesystem;
using detail::NameIndexReads;
using vantrel::testing::TempDir;

// Long enough for a folder's modification time to move on at any timestamp granularity
// the kernel uses for it.
void LetTheClockTick() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }

// Counts the folder listings made while it lives.
class ReadCounter {
 public:
  ReadCounter() : start_(NameIndexReads()) {}
  std::size_t reads() const { return NameIndexReads() - start_; }

 private:
  std::size_t start_;
};

class NameIndex : public ::testing::Test {
 protected:
  void SetUp() override { detail::DropNameIndex(); }
  TempDir dir_;
};

TEST_F(NameIndex, VariantsInOrderWhileThePlatformDeletesThem) {
  for (const char* name : {"rb.VOL", "RB.vol", "Rb.vol", "other.dat"}) dir_.write(std::string("Game/") + name, "x");
  ReadCounter counter;
  EXPECT_EQ(ResolvePath("game\\rb.vol"), "Game/RB.vol");
  EXPECT_EQ(ResolvePath("Game\\Rb.vol"), "Game/Rb.vol");  // the exact name wins
  DeleteFileAt("Game\\RB.vol");
  EXPECT_EQ(ResolvePath("GAME\\rB.VOL"), "Game/Rb.vol");
  DeleteFileAt("Game\\Rb.vol");
  EXPECT_EQ(ResolvePath("Game\\RB.VOL"), "Game/rb.VOL");
  DeleteFileAt("Game\\rb.VOL");
  EXPECT_EQ(ResolvePath("Game\\RB.VOL"), "Game/RB.VOL");  // none left: kept as written
  EXPECT_EQ(ResolvePath("Game\\OTHER.DAT"), "Game/other.dat");
  // One listing of "." (for "game") and one of Game, however often it changed since.
  EXPECT_EQ(counter.reads(), 2u);
}

TEST_F(NameIndex, NamesThePlatformCreatesAreFoundWithoutAnotherListing) {
  for (int i = 0; i < 50; ++i) dir_.write("other" + std::to_string(i) + ".dat", "");
  dir_.write("Pat/Source.dml", "source");
  ResolvePath("Pat\\MISSING");  // Pat's and the current folder's indexes exist from here on
  ResolvePath("MISSING");
  ReadCounter counter;

  TextFileWriter("Job.bat").Close();
  EXPECT_EQ(ResolvePath("JOB.BAT"), "Job.bat");
  CopyFileKeepTime("pat\\source.DML", "Target.dml");
  EXPECT_EQ(ResolvePath("target.DML"), "Target.dml");
  FileWriter("Log.txt", FileWriter::Mode::Append).Close();
  EXPECT_EQ(ResolvePath("LOG.TXT"), "Log.txt");

  MoveFileTo("target.dml", "pat\\Moved.dml");
  EXPECT_EQ(ResolvePath("TARGET.DML"), "TARGET.DML");
  EXPECT_EQ(ResolvePath("PAT\\moved.DML"), "Pat/Moved.dml");
  // A rename within one folder changes it once, for both of its halves.
  MoveFileTo("pat\\moved.dml", "Pat\\MOVED.DML");
  EXPECT_EQ(ResolvePath("Pat\\moved.dml"), "Pat/MOVED.DML");

  DeleteFileAt("job.bat");
  EXPECT_EQ(ResolvePath("JOB.BAT"), "JOB.BAT");
  EXPECT_EQ(counter.reads(), 0u);
  EXPECT_EQ(dir_.read("Pat/MOVED.DML"), "source");
}

TEST_F(NameIndex, NamesReadAheadOnAnotherThreadServeTheLookupsAfter) {
  dir_.write("Work/Vantrel-Files/ledger", "");
  ReadCounter counter;
  std::thread([] {
    ReadNamesAhead("Work");
    ReadNamesAhead("Nowhere");  // not there: left, not raised
  }).join();
  EXPECT_EQ(counter.reads(), 1u);
  EXPECT_TRUE(DirectoryExists("Work\\vantrel-files"));
  EXPECT_EQ(counter.reads(), 1u);
}

TEST_F(NameIndex, ChangesBySomeoneElseAreSeen) {
  dir_.write("kept.txt", "");
  EXPECT_EQ(ResolvePath("NEW.TXT"), "NEW.TXT");
  LetTheClockTick();
  std::ofstream("New.txt").put('x');
  EXPECT_EQ(ResolvePath("NEW.TXT"), "New.txt");

  LetTheClockTick();
  ASSERT_EQ(::unlink("New.txt"), 0);
  EXPECT_EQ(ResolvePath("NEW.TXT"), "NEW.TXT");

  // A change of ours right after one by someone else, with no lookup between them (an
  // exact name needs none): the index must not take the stamp that covers both.
  dir_.write("Ours.txt", "");
  EXPECT_EQ(ResolvePath("KEPT.TXT"), "kept.txt");
  LetTheClockTick();
  std::ofstream("Theirs.txt").put('x');
  DeleteFileAt("Ours.txt");
  EXPECT_EQ(ResolvePath("THEIRS.TXT"), "Theirs.txt");
  EXPECT_EQ(ResolvePath("OURS.TXT"), "OURS.TXT");
}

TEST_F(NameIndex, AFolderMadeAgainUnderTheSameNameIsReadAgain) {
  // ext4 gives a new folder the inode number of one just removed, and a folder's time can
  // be set back (as unpacking an archive does): inode and time alone would take the new
  // folder for the old one.
  dir_.write("Sub/Entry0.dat", "");
  EXPECT_EQ(ResolvePath("sub\\ENTRY0.DAT"), "Sub/Entry0.dat");
  const auto oldTime = fs::last_write_time("Sub");
  fs::remove_all("Sub");
  LetTheClockTick();
  dir_.write("Sub/Entry1.dat", "");
  fs::last_write_time("Sub", oldTime);
  EXPECT_EQ(ResolvePath("sub\\ENTRY1.DAT"), "Sub/Entry1.dat");
  EXPECT_EQ(ResolvePath("sub\\ENTRY0.DAT"), "Sub/ENTRY0.DAT");
}

TEST_F(NameIndex, KeepsAFewFoldersAndReadsAnEvictedOneAgain) {
  for (int i = 0; i < 12; ++i) dir_.write("f" + std::to_string(i) + "/Name.txt", "");
  ReadCounter counter;
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(ResolvePath("f" + std::to_string(i) + "\\NAME.TXT"), "f" + std::to_string(i) + "/Name.txt");
  }
  EXPECT_EQ(counter.reads(), 12u);
  EXPECT_EQ(ResolvePath("f11\\name.TXT"), "f11/Name.txt");
  EXPECT_EQ(counter.reads(), 12u);
  EXPECT_EQ(ResolvePath("f0\\name.TXT"), "f0/Name.txt");
  EXPECT_EQ(counter.reads(), 13u);
}

}  // namespace
}  // namespace vantrel::platform
