#include "samplegame/model_files.h"

#include <cstdio>

#include "samplegame/disk_writes.h"

namespace vantrel::samplegame {

namespace {

const char* CopyLabel(ModelCopy copy) {
  switch (copy) {
    case ModelCopy::Working: return "work";
    case ModelCopy::Stock: return "stock";
    case ModelCopy::Patch: return "patch";
  }
  return "?";
}

}  // namespace

std::string ModelRecord(ModelCopy copy, const ModelFile& file, int index) {
  char label[64];
  std::snprintf(label, sizeof label, "%s %s #%03d;", CopyLabel(copy), file.name, index);
  return RepeatToSize(label, file.recordSize);
}

std::string ModelHeader(ModelCopy copy, const ModelFile& file) {
  return RepeatToSize(std::string("header of the ") + CopyLabel(copy) + " copy of " + file.name + "|", kModelHeaderSize);
}

void WriteModelFile(const std::filesystem::path& path, ModelCopy copy, const ModelFile& file) {
  std::string bytes = ModelHeader(copy, file);
  bytes.reserve(kModelHeaderSize + kModelRecords * file.recordSize);
  for (int index = 0; index < kModelRecords; ++index) bytes += ModelRecord(copy, file, index);
  WriteBytes(path, bytes);
}

}  // namespace vantrel::samplegame
