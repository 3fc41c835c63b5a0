// Model record transfer, through aircraft activations and removals, on real model files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

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

// Every model file of the working, support and patch folders that is a plain file, whole.
std::map<std::string, std::string> ModelFileBytes(const TempDir& dir) {
  std::map<std::string, std::string> bytes;
  for (const char* folder : {"", "vantrel-files/", "Camel/"}) {
    for (const auto& file : kModelFiles) {
      const std::string rel = std::string(folder) + file.name;
      if (std::filesystem::is_regular_file(dir.path() / rel)) bytes[rel] = dir.read(rel);
    }
  }
  return bytes;
}

void ExpectSameFiles(const std::map<std::string, std::string>& before, const std::map<std::string, std::string>& after) {
  EXPECT_EQ(after.size(), before.size());
  for (const auto& [name, bytes] : before) {
    const auto now = after.find(name);
    EXPECT_TRUE(now != after.end() && now->second == bytes) << name << " changed";
  }
}

// The text of the InOutError that `run` raises; a failure when it raises none.
template <typename Run>
std::string InOutErrorText(Run run) {
  try {
    run();
  } catch (const InOutError& err) {
    return err.what();
  }
  ADD_FAILURE() << "no I/O error raised";
  return "";
}

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

// A short patch copy of fmparam2.dat ends the activation pass before it writes anything:
// fmparams.dat does not keep the patch's record, the restoring pass before it stays done,
// and the script is neither finished nor run.
TEST(ModelRecords, AShortPatchCopyEndsTheActivationPassBeforeItWritesAndKeepsTheRestoringPass) {
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
    EXPECT_EQ(RecordOf(dir, file, 9), Expected(ModelCopy::Stock, file, 0x11)) << kModelFiles[file].name;
  }
  const std::string script = dir.read("0309.bat");
  EXPECT_TRUE(script.ends_with("copy  \"vantrel-files\\11damage.dat\" 09damage.dat\r\necho Active > \"0309_Camel.aop\"\r\n"))
      << script;
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
    EXPECT_EQ(dir.read("030A.bat"), "") << "the restoring pass runs before any line is written";
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
