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
using samplegame::kModelHeaderSize;
using samplegame::ModelCopy;
using samplegame::ModelFile;
using samplegame::ModelHeader;
using samplegame::ModelRecord;
using samplegame::WriteModelFile;
using testing::EngineSession;
using testing::kMissingShell;
using testing::TempDir;

enum : int { kFmparams, kFmparam2, kFmparam3, kAcspecs, kAcspecs2, kAcspecs3 };

// Working copies in the working folder, stock copies in the support folder.
void LayModelFiles(const TempDir& dir) {
  dir.mkdir("vantrel-files");
  for (const ModelFile& file : kModelFiles) {
    WriteModelFile(dir.path() / file.name, ModelCopy::Working, file);
    WriteModelFile(dir.path() / "vantrel-files" / file.name, ModelCopy::Stock, file);
  }
}

std::string RecordOf(const TempDir& dir, const ModelFile& file, int index) {
  return dir.read(file.name).substr(kModelHeaderSize + static_cast<std::size_t>(index) * file.recordSize,
                                    file.recordSize);
}

// Activates the aircraft patch of type `patch` (folder Camel) into slot 03 + `slot`.
void Activate(EngineSession& e, const std::string& patchCode, std::string_view slot) {
  e.SelectPatch(patchCode + " Camel");
  e.SelectSlot(slot);
  ActivateSelection(e.s);
}

TEST(ModelRecords, AnActivationWithoutFmdmMovesTheStockRecordOfThePatchTypeIntoTheSlot) {
  TempDir dir;
  LayModelFiles(dir);
  dir.mkdir("Camel");
  WriteModelFile(dir.path() / "Camel" / "fmparams.dat", ModelCopy::Patch, kModelFiles[kFmparams]);
  EngineSession e;
  e.s.fmVariantFlags = {true, true, true};  // no effect while FM/DM changing is off
  Activate(e, "0311", "0309");
  for (const ModelFile& file : kModelFiles) {
    EXPECT_EQ(RecordOf(dir, file, 9), ModelRecord(ModelCopy::Stock, file, 0x11)) << file.name;
    EXPECT_EQ(RecordOf(dir, file, 8), ModelRecord(ModelCopy::Working, file, 8)) << file.name;
    EXPECT_EQ(RecordOf(dir, file, 10), ModelRecord(ModelCopy::Working, file, 10)) << file.name;
    EXPECT_EQ(dir.read(file.name).substr(0, kModelHeaderSize), ModelHeader(ModelCopy::Working, file)) << file.name;
    EXPECT_EQ(dir.read(file.name).size(), kModelHeaderSize + 256 * file.recordSize) << file.name;
  }
}

TEST(ModelRecords, ChosenVariantsTakeThePatchsOwnRecordsWhereItHasThem) {
  TempDir dir;
  LayModelFiles(dir);
  dir.mkdir("Camel");
  WriteModelFile(dir.path() / "Camel" / "fmparam3.dat", ModelCopy::Patch, kModelFiles[kFmparam3]);
  WriteModelFile(dir.path() / "Camel" / "fmparams.dat", ModelCopy::Patch, kModelFiles[kFmparams]);
  EngineSession e;
  e.s.fmdmChanging = true;
  e.s.fmVariantFlags = {false, false, true};
  Activate(e, "0311", "0309");
  for (const ModelFile& file : kModelFiles) {
    const ModelCopy expected = &file == &kModelFiles[kFmparam3] ? ModelCopy::Patch : ModelCopy::Stock;
    EXPECT_EQ(RecordOf(dir, file, 9), ModelRecord(expected, file, 0x11)) << file.name;
  }
  // Read at 100 + 17 * 244 = 4248, written at 100 + 9 * 244 = 2296.
  EXPECT_EQ(dir.read("fmparam3.dat").substr(2296, 244), dir.read("Camel/fmparam3.dat").substr(4248, 244));
}

TEST(ModelRecords, FilesWithoutAStockOrAWorkingCopyAreLeftAlone) {
  TempDir dir;
  LayModelFiles(dir);
  std::filesystem::remove(dir.path() / "vantrel-files" / "fmparam3.dat");
  std::filesystem::remove(dir.path() / "acspecs2.dat");
  std::filesystem::remove(dir.path() / "vantrel-files" / "acspecs.dat");
  dir.mkdir("vantrel-files/acspecs.dat");  // a folder is no stock copy
  dir.mkdir("Camel");
  WriteModelFile(dir.path() / "Camel" / "fmparam3.dat", ModelCopy::Patch, kModelFiles[kFmparam3]);
  const std::string workingFmparam3 = dir.read("fmparam3.dat");
  const std::string workingAcspecs = dir.read("acspecs.dat");
  EngineSession e;
  e.s.fmdmChanging = true;
  e.s.fmVariantFlags = {true, true, true};
  Activate(e, "0311", "0309");
  EXPECT_EQ(dir.read("fmparam3.dat"), workingFmparam3);
  EXPECT_EQ(dir.read("acspecs.dat"), workingAcspecs);
  EXPECT_FALSE(dir.exists("acspecs2.dat"));
  EXPECT_EQ(RecordOf(dir, kModelFiles[kAcspecs3], 9), ModelRecord(ModelCopy::Stock, kModelFiles[kAcspecs3], 0x11));
}

TEST(ModelRecords, RemovalRestoresTheSlotsOwnRecordsWhateverTheLastActivationWas) {
  TempDir dir;
  LayModelFiles(dir);
  EngineSession e;
  Activate(e, "0311", "0309");
  Activate(e, "031F", "0305");
  e.SelectActive("0309_Camel");
  DeactivateSelection(e.s);
  for (const ModelFile& file : kModelFiles) {
    EXPECT_EQ(RecordOf(dir, file, 9), ModelRecord(ModelCopy::Stock, file, 9)) << file.name;
    EXPECT_EQ(RecordOf(dir, file, 5), ModelRecord(ModelCopy::Stock, file, 0x1F)) << file.name;
  }
  EXPECT_EQ(e.s.sourceIndex, 0x1F);
  EXPECT_EQ(e.s.targetIndex, 0x05);
}

TEST(ModelRecords, NonAircraftJobsNeverTouchTheModelFiles) {
  TempDir dir;
  LayModelFiles(dir);
  dir.mkdir("Camel");
  EngineSession e;
  e.s.fmdmChanging = true;
  e.s.fmVariantFlags = {true, true, true};
  Activate(e, "0311", "0601");
  Activate(e, "0099", "0309");
  e.SelectActive("0601_Camel");
  DeactivateSelection(e.s);
  for (const ModelFile& file : kModelFiles) {
    EXPECT_EQ(RecordOf(dir, file, 1), ModelRecord(ModelCopy::Working, file, 1)) << file.name;
    EXPECT_EQ(RecordOf(dir, file, 9), ModelRecord(ModelCopy::Working, file, 9)) << file.name;
  }
}

// A short patch copy of fmparam2.dat ends the activation pass: the restoring pass before
// it stays done, fmparams.dat keeps the patch's record, and the script is neither finished nor run.
TEST(ModelRecords, AShortSourceEndsTheJobWithWhatWasDoneKept) {
  TempDir dir;
  LayModelFiles(dir);
  dir.write("Camel/fmparam2.dat", ModelHeader(ModelCopy::Patch, kModelFiles[kFmparam2]) + std::string(17 * 244, 'p') +
                                      std::string(243, 'q'));
  WriteModelFile(dir.path() / "Camel" / "fmparams.dat", ModelCopy::Patch, kModelFiles[kFmparams]);
  EngineSession e;
  e.s.shellProgram = kMissingShell;
  e.s.fmdmChanging = true;
  e.s.fmVariantFlags = {true, true, false};
  e.SelectPatch("0311 Camel");
  e.SelectSlot("0309");
  try {
    ActivateSelection(e.s);
    FAIL() << "no error";
  } catch (const InOutError& err) {
    EXPECT_STREQ(err.what(), "Read beyond end of file");
  }
  EXPECT_TRUE(e.messages.empty()) << "the shell was started";
  for (const ModelFile& file : kModelFiles) {
    const ModelCopy expected = &file == &kModelFiles[kFmparams] ? ModelCopy::Patch : ModelCopy::Stock;
    EXPECT_EQ(RecordOf(dir, file, 9), ModelRecord(expected, file, 0x11)) << file.name;
  }
  const std::string script = dir.read("0309.bat");
  EXPECT_TRUE(script.ends_with("copy  \"vantrel-files\\11damage.dat\" 09damage.dat\r\n")) << script;
  EXPECT_EQ(script.find("if exist"), std::string::npos);
}

// The immutable flag stops root too. Where the file system has no such flag, the test is skipped.
bool MakeImmutable(const std::filesystem::path& file) {
  const std::string command = "chattr +i '" + file.string() + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) return false;
  if (std::ofstream(file, std::ios::app)) {
    std::system(("chattr -i '" + file.string() + "'").c_str());
    return false;
  }
  return true;
}

struct Mutable {
  std::filesystem::path file;
  ~Mutable() { std::system(("chattr -i '" + file.string() + "' 2>/dev/null").c_str()); }
};

TEST(ModelRecords, AWriteProtectedWorkingCopyEndsTheRemovalWithFileAccessDenied) {
  TempDir dir;
  LayModelFiles(dir);
  const Mutable undo{dir.path() / "acspecs.dat"};
  if (!MakeImmutable(undo.file)) GTEST_SKIP() << "this file system cannot make a file immutable";
  EngineSession e;
  e.s.shellProgram = kMissingShell;
  e.SelectActive("030A_Camel");
  try {
    DeactivateSelection(e.s);
    FAIL() << "no error";
  } catch (const InOutError& err) {
    EXPECT_STREQ(err.what(), "File access denied");
  }
  EXPECT_EQ(RecordOf(dir, kModelFiles[kFmparam3], 10), ModelRecord(ModelCopy::Stock, kModelFiles[kFmparam3], 10));
  EXPECT_EQ(RecordOf(dir, kModelFiles[kAcspecs], 10), ModelRecord(ModelCopy::Working, kModelFiles[kAcspecs], 10));
  EXPECT_EQ(RecordOf(dir, kModelFiles[kAcspecs2], 10), ModelRecord(ModelCopy::Working, kModelFiles[kAcspecs2], 10));
  EXPECT_EQ(dir.read("030A.bat"), "") << "the restoring pass runs before any line is written";
  EXPECT_TRUE(e.messages.empty()) << "the shell was started";
}

}  // namespace
}  // namespace vantrel
