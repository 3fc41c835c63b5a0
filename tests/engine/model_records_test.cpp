// Model record transfer, through aircraft activations and removals, on real model files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "engine/activation.h"
#include "engine_session.h"
#include "platform/errors.h"
#include "samplegame/model_files.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using samplegame::kModelFiles;
using samplegame::ModelCopy;
using samplegame::ModelRecord;
using samplegame::WriteModelFile;
using testing::EngineSession;
using testing::kMissingShell;
using testing::TempDir;

enum : int { kFmparams, kFmparam2, kFmparam3, kAcspecs, kAcspecs2, kAcspecs3 };

// Working copies of the six model files, stock copies in the support folder, and the
// patch Camel (type 11) with its own copies of the files named.
void LayModelFiles(const TempDir& dir, std::initializer_list<int> patchCopies) {
  dir.mkdir("vantrel-files");
  dir.mkdir("Camel");
  for (const auto& file : kModelFiles) {
    WriteModelFile(dir.path() / file.name, ModelCopy::Working, file);
    WriteModelFile(dir.path() / "vantrel-files" / file.name, ModelCopy::Stock, file);
  }
  for (int i : patchCopies) WriteModelFile(dir.path() / "Camel" / kModelFiles[i].name, ModelCopy::Patch, kModelFiles[i]);
}

std::string RecordOf(const TempDir& dir, int file, int index) {
  const auto& f = kModelFiles[file];
  return dir.read(f.name).substr(samplegame::kModelHeaderSize + index * f.recordSize, f.recordSize);
}

std::string Expected(ModelCopy copy, int file, int index) { return ModelRecord(copy, kModelFiles[file], index); }

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

TEST(ModelRecords, RemovalRestoresTheSlotsOwnRecordsWhateverTheLastActivationWas) {
  TempDir dir;
  LayModelFiles(dir, {});
  EngineSession e;
  e.SelectPatch("0311 Camel");
  e.SelectSlot("0309");
  WriteActivationScript(e.s);
  e.SelectSlot("0305");
  WriteActivationScript(e.s);
  e.SelectActive("0309_Camel");
  DeactivateSelection(e.s);
  for (int file = kFmparams; file <= kAcspecs3; ++file) {
    EXPECT_EQ(RecordOf(dir, file, 9), Expected(ModelCopy::Stock, file, 9)) << kModelFiles[file].name;
    EXPECT_EQ(RecordOf(dir, file, 5), Expected(ModelCopy::Stock, file, 0x11)) << kModelFiles[file].name;
  }
}

// A short patch copy of fmparam2.dat ends the activation pass: the restoring pass before it
// stays done, fmparams.dat keeps the patch's record, and the script is neither finished nor run.
TEST(ModelRecords, AShortSourceEndsTheJobWithWhatWasDoneKept) {
  TempDir dir;
  LayModelFiles(dir, {kFmparams});
  dir.write("Camel/fmparam2.dat", std::string(100 + 18 * 244 - 1, 'p'));
  EngineSession e;
  e.s.shellProgram = kMissingShell;
  e.s.fmdmChanging = true;
  e.s.fmVariantFlags = {true, true, false};
  e.SelectPatch("0311 Camel");
  e.SelectSlot("0309");
  EXPECT_THROW(
      try { ActivateSelection(e.s); } catch (const InOutError& err) {
        EXPECT_STREQ(err.what(), "Read beyond end of file");
        throw;
      },
      InOutError);
  EXPECT_EQ(e.messages.size(), 0u) << "the shell was started";
  for (int file = kFmparams; file <= kAcspecs3; ++file) {
    EXPECT_EQ(RecordOf(dir, file, 9), Expected(file == kFmparams ? ModelCopy::Patch : ModelCopy::Stock, file, 0x11));
  }
  const std::string script = dir.read("0309.bat");
  EXPECT_TRUE(script.ends_with("copy  \"vantrel-files\\11damage.dat\" 09damage.dat\r\n")) << script;
}

// The immutable flag stops root too; where the file system has none, the test is skipped.
TEST(ModelRecords, AWriteProtectedWorkingCopyEndsTheRemovalWithFileAccessDenied) {
  TempDir dir;
  LayModelFiles(dir, {});
  testing::Immutable locked(dir.path() / "acspecs.dat");
  if (!locked.Set()) GTEST_SKIP() << "this file system cannot make a file immutable";
  EngineSession e;
  e.s.shellProgram = kMissingShell;
  e.SelectActive("030A_Camel");
  EXPECT_THROW(
      try { DeactivateSelection(e.s); } catch (const InOutError& err) {
        EXPECT_STREQ(err.what(), "File access denied");
        throw;
      },
      InOutError);
  EXPECT_EQ(RecordOf(dir, kFmparam3, 10), Expected(ModelCopy::Stock, kFmparam3, 10)) << "visited before";
  EXPECT_EQ(RecordOf(dir, kAcspecs2, 10), Expected(ModelCopy::Working, kAcspecs2, 10)) << "not reached";
  EXPECT_EQ(dir.read("030A.bat"), "") << "the restoring pass runs before any line is written";
  EXPECT_EQ(e.messages.size(), 0u) << "the shell was started";
}

}  // namespace
}  // namespace vantrel
