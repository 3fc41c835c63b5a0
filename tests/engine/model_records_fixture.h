#pragma once
// The model files of a working folder, its support folder and the patch Camel, for the
// model record tests: laid, read back and compared.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "platform/errors.h"
#include "samplegame/model_files.h"
#include "temp_dir.h"

namespace vantrel::testing {

using samplegame::kModelFiles;
using samplegame::ModelCopy;
using samplegame::ModelRecord;
using samplegame::WriteModelFile;

enum : int { kFmparams, kFmparam2, kFmparam3, kAcspecs, kAcspecs2, kAcspecs3 };

// Working copies of the six model files, stock copies in the support folder, and the
// patch Camel (type 11) with its own copies of the files named.
inline void LayModelFiles(const TempDir& dir, std::initializer_list<int> patchCopies) {
  dir.mkdir("vantrel-files");
  dir.mkdir("Camel");
  for (const auto& file : kModelFiles) {
    WriteModelFile(dir.path() / file.name, ModelCopy::Working, file);
    WriteModelFile(dir.path() / "vantrel-files" / file.name, ModelCopy::Stock, file);
  }
  for (int i : patchCopies) WriteModelFile(dir.path() / "Camel" / kModelFiles[i].name, ModelCopy::Patch, kModelFiles[i]);
}

inline std::string RecordOf(const TempDir& dir, int file, int index) {
  const auto& f = kModelFiles[file];
  return dir.read(f.name).substr(samplegame::kModelHeaderSize + index * f.recordSize, f.recordSize);
}

inline std::string Expected(ModelCopy copy, int file, int index) { return ModelRecord(copy, kModelFiles[file], index); }

// Every model file of the working, support and patch folders that is a plain file, whole.
inline std::map<std::string, std::string> ModelFileBytes(const TempDir& dir) {
  std::map<std::string, std::string> bytes;
  for (const char* folder : {"", "vantrel-files/", "Camel/"}) {
    for (const auto& file : kModelFiles) {
      const std::string rel = std::string(folder) + file.name;
      if (std::filesystem::is_regular_file(dir.path() / rel)) bytes[rel] = dir.read(rel);
    }
  }
  return bytes;
}

inline void ExpectSameFiles(const std::map<std::string, std::string>& before, const std::map<std::string, std::string>& after) {
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

}  // namespace vantrel::testing
