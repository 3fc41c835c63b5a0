// Model record transfer, through aircraft activations and removals, on real model files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/activation.h"
#include "engine_session.h"
#include "model_records_fixture.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using samplegame::kModelFiles;
using samplegame::ModelCopy;
using namespace testing;  // the model files fixture
using testing::EngineSession;
using testing::kMissingShell;
using testing::TempDir;

// Aircraft patch Camel of type 11 into slot 0309: record 9 becomes record 17 of the
// chosen source; headers and other records stay.
TEST(ModelRecords, ActivationTakesStockRecordsAndThePatchsOwnForChosenVariants) {
  TempDir dir;
  LayModelFiles(dir, {kFmparams, kFmparam3});
  std::filesystem::remove(dir.path() / "vantrel-files" / "fmparam2.dat");
  std::filesystem::remove(dir.path() / "acspecs2.dat");
  const std::string workingFmparam2 = dir.read("fmparam2.dat");
  EngineSession e;
  e.s.fmdmChanging = true;
  e.s.fmVariantFlags = {false, true, true};
  e.SelectPatch("0311 Camel");
  e.SelectSlot("0309");
  WriteActivationScript(e.s);
  EXPECT_EQ(RecordOf(dir, kFmparams, 9), Expected(ModelCopy::Stock, kFmparams, 0x11)) << "variant S is off";
  EXPECT_EQ(RecordOf(dir, kFmparam3, 9), Expected(ModelCopy::Patch, kFmparam3, 0x11));
  EXPECT_EQ(RecordOf(dir, kAcspecs3, 9), Expected(ModelCopy::Stock, kAcspecs3, 0x11)) << "the patch has none";
  EXPECT_EQ(RecordOf(dir, kAcspecs, 9), Expected(ModelCopy::Stock, kAcspecs, 0x11));
  EXPECT_EQ(dir.read("fmparam2.dat"), workingFmparam2) << "no stock copy: left alone";
  EXPECT_FALSE(dir.exists("acspecs2.dat"));
  for (int file : {kFmparams, kFmparam3, kAcspecs, kAcspecs3}) {
    EXPECT_EQ(RecordOf(dir, file, 10), Expected(ModelCopy::Working, file, 10));
    EXPECT_EQ(dir.read(kModelFiles[file].name).substr(0, 100), samplegame::ModelHeader(ModelCopy::Working, kModelFiles[file]));
  }
}

// What the removal puts back is what the activation replaced, a record tuned by hand as much
// as a stock one; another slot's records stay as its own activation left them.
TEST(ModelRecords, RemovalPutsBackTheRecordsItsActivationReplaced) {
  TempDir dir;
  LayModelFiles(dir, {});
  EngineSession e;
  e.SelectPatch("0311 Camel");
  for (const char* slot : {"0309", "0305"}) {
    e.SelectSlot(slot);
    EXPECT_TRUE(RunJob(WriteActivationScript(e.s)).Complete()) << slot;
  }
  e.SelectActive("0309_Camel");
  EXPECT_TRUE(RunJob(*WriteDeactivationScript(e.s)).Complete());
  for (int file = kFmparams; file <= kAcspecs3; ++file) {
    EXPECT_EQ(RecordOf(dir, file, 9), Expected(ModelCopy::Working, file, 9)) << kModelFiles[file].name;
    EXPECT_EQ(RecordOf(dir, file, 5), Expected(ModelCopy::Stock, file, 0x11)) << kModelFiles[file].name;
  }
}

// A short patch copy of fmparam2.dat ends the activation before any record is written: the
// stock records and the patch's go in as one change or not at all, and no script is left
// to be run by hand.
TEST(ModelRecords, AShortPatchCopyEndsTheActivationBeforeAnyRecordChanges) {
  TempDir dir;
  LayModelFiles(dir, {kFmparams});
  dir.write("Camel/fmparam2.dat", std::string(100 + 18 * 244 - 1, 'p'));
  EngineSession e;
  e.s.shellProgram = kMissingShell;
  e.s.fmdmChanging = true;
  e.s.fmVariantFlags = {true, true, false};
  e.SelectPatch("0311 Camel");
  e.SelectSlot("0309");
  EXPECT_EQ(InOutErrorText([&] { ActivateSelection(e.s); }), "Read beyond end of file: Camel\\fmparam2.dat");
  EXPECT_EQ(e.messages.size(), 0u) << "the shell was started";
  for (int file = kFmparams; file <= kAcspecs3; ++file) {
    EXPECT_EQ(RecordOf(dir, file, 9), Expected(ModelCopy::Working, file, 9)) << kModelFiles[file].name;
  }
  EXPECT_FALSE(dir.exists("0309.bat"));
}

// The removal of the Camel from slot 030A, refused by a file found unusable before anything
// is written: every model file stays as it was, and the error names the file.
class RefusedRemoval : public ::testing::Test {
 protected:
  RefusedRemoval() { LayModelFiles(dir, {}); }

  void ExpectRefusedWith(const std::string& text) {
    const auto before = ModelFileBytes(dir);
    EngineSession e;
    e.s.shellProgram = kMissingShell;
    e.SelectActive("030A_Camel");
    EXPECT_EQ(InOutErrorText([&] { DeactivateSelection(e.s); }), text);
    ExpectSameFiles(before, ModelFileBytes(dir));
    EXPECT_FALSE(dir.exists("030A.bat")) << "a refused job leaves no script";
    EXPECT_EQ(e.messages.size(), 0u) << "the shell was started";
  }

  TempDir dir;
};

// The immutable flag stops root too; where the file system has none, the test is skipped.
// acspecs3.dat is the last file visited, so every other one would have been written.
TEST_F(RefusedRemoval, AnImmutableWorkingCopy) {
  testing::Immutable locked(dir.path() / "acspecs3.dat");
  if (!locked.Set()) GTEST_SKIP() << "this file system cannot make a file immutable";
  ExpectRefusedWith("File access denied: acspecs3.dat");
}

TEST_F(RefusedRemoval, AStockCopyThatEndsBeforeTheRecord) {
  std::filesystem::resize_file(dir.path() / "vantrel-files" / "fmparam2.dat", 100 + 11 * 244 - 1);
  ExpectRefusedWith("Read beyond end of file: vantrel-files\\fmparam2.dat");
}

}  // namespace
}  // namespace vantrel
