#include "engine/model_records.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/record_moves.h"
#include "engine/support_folder.h"
#include "platform/files.h"

namespace vantrel {

namespace {

constexpr std::uint64_t kHeaderSize = 100;
constexpr std::size_t kFlightModelRecord = 244;
constexpr std::size_t kSpecificationRecord = 156;

struct ModelFile {
  std::string_view name;
  std::size_t recordSize;
  std::size_t variant;  // index into fmVariantFlags: "S", "2", "3"
};

// The order of the visits: when several files cannot be handled, the first one is named.
constexpr std::array<ModelFile, 6> kModelFiles = {{
    {"fmparams.dat", kFlightModelRecord, 0},
    {"fmparam2.dat", kFlightModelRecord, 1},
    {"fmparam3.dat", kFlightModelRecord, 2},
    {"acspecs.dat", kSpecificationRecord, 0},
    {"acspecs2.dat", kSpecificationRecord, 1},
    {"acspecs3.dat", kSpecificationRecord, 2},
}};

std::uint64_t RecordOffset(std::uint8_t index, std::size_t recordSize) {
  return kHeaderSize + std::uint64_t{index} * recordSize;
}

}  // namespace

void TransferModelRecords(Job& job, bool restore, RecordPair pair) {
  const Session& s = job.s;
  if (!restore && !s.fmdmChanging) return;
  std::vector<RecordMove> moves;
  for (const ModelFile& file : kModelFiles) {
    const std::string stock = std::string(kSupportFolder) + std::string(file.name);
    if (!platform::FileExists(stock) || !platform::FileExists(file.name)) continue;
    if (!restore && !s.fmVariantFlags[file.variant]) continue;
    std::string source = stock;
    if (!restore) {
      const std::vector<std::string> own = job.patchFiles.Find(file.name);
      if (!own.empty()) source = job.patchFiles.Folder() + "\\" + own.front();
    }
    moves.push_back({source, RecordOffset(pair.source, file.recordSize), std::string(file.name),
                     RecordOffset(pair.target, file.recordSize), file.recordSize});
  }
  MoveRecords(moves);
}

bool HoldsModelFile() {
  for (const ModelFile& file : kModelFiles) {
    if (platform::FileExists(file.name)) return true;
  }
  return false;
}

void TransferModelRecords(Job& job, bool restore) {
  TransferModelRecords(job, restore, RecordPair{job.s.sourceIndex, job.s.targetIndex});
}

}  // namespace vantrel
