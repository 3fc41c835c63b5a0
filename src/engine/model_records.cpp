#include "engine/model_records.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_errors.h"
#include "engine/record_moves.h"
#include "engine/support_folder.h"
#include "platform/file_length.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/record_file.h"

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

std::string Hex(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (unsigned char c : bytes) {
    text += kDigits[c >> 4];
    text += kDigits[c & 0xF];
  }
  return text;
}

std::string Bytes(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    const auto digit = [](char c) { return c <= '9' ? c - '0' : c - 'a' + 10; };
    bytes += static_cast<char>(digit(hex[i]) << 4 | digit(hex[i + 1]));
  }
  return bytes;
}

// The bytes of `size` at `offset`, fewer where the file ends sooner: a record past the end
// of a working copy is written there by extending it.
std::string BytesAt(const std::string& file, std::uint64_t offset, std::size_t size, bool whole) {
  return NamingFile(file, [&] {
    const std::uint64_t length = platform::FileLength(file);
    const std::size_t there = length <= offset ? 0 : static_cast<std::size_t>(std::min<std::uint64_t>(size, length - offset));
    if (whole && there < size) throw InOutError(100);
    std::string bytes(there, '\0');
    platform::RecordFile reader(file, platform::RecordFile::Mode::ReadOnly);
    if (there > 0) reader.ReadAt(offset, bytes.data(), bytes.size());
    reader.Close();
    return bytes;
  });
}

const LedgerRecord* RecordIn(const LedgerEntry& entry, std::string_view file, std::uint64_t offset) {
  for (const LedgerRecord& record : entry.records) {
    if (record.offset == offset && platform::SameNameIgnoringCase(record.file, file)) return &record;
  }
  return nullptr;
}

}  // namespace

std::vector<RecordMove> PlanInstallRecords(Job& job, RecordPair pair, const std::vector<LedgerEntry>& slotEntries,
                                           std::vector<LedgerRecord>& noted) {
  const Session& s = job.s;
  std::vector<RecordMove> moves;
  for (const ModelFile& file : kModelFiles) {
    const std::string stock = std::string(kSupportFolder) + std::string(file.name);
    const std::string working(file.name);
    if (!platform::FileExists(stock) || !platform::FileExists(working)) continue;
    std::string source = stock;
    if (s.fmdmChanging && s.fmVariantFlags[file.variant]) {
      const std::vector<std::string> own = job.patchFiles.Find(file.name);
      if (!own.empty()) source = job.patchFiles.Folder() + "\\" + own.front();
    }
    const std::uint64_t offset = RecordOffset(pair.target, file.recordSize);
    const std::string written = BytesAt(source, RecordOffset(pair.source, file.recordSize), file.recordSize, true);
    std::string replaced = BytesAt(working, offset, file.recordSize, false);
    // What the slot's patch before this one replaced is the game's record; its own goes.
    for (const LedgerEntry& earlier : slotEntries) {
      const LedgerRecord* record = RecordIn(earlier, working, offset);
      if (record && Bytes(record->written) == replaced) replaced = Bytes(record->replaced);
    }
    noted.push_back({working, offset, Hex(replaced), Hex(written)});
    moves.push_back({"", written, 0, working, offset, written.size()});
  }
  return moves;
}

std::vector<RecordMove> PlanRemovalRecords(const LedgerEntry& entry, std::vector<std::string>& changed) {
  std::vector<RecordMove> moves;
  for (const LedgerRecord& record : entry.records) {
    const std::string written = Bytes(record.written);
    const std::string replaced = Bytes(record.replaced);
    if (!platform::FileExists(record.file)) continue;  // the game's file is gone: nothing to put back into
    const std::string now = BytesAt(record.file, record.offset, written.size(), false);
    if (now == replaced) continue;  // put back already
    if (now != written) {
      changed.push_back(record.file);
      continue;
    }
    if (!replaced.empty()) moves.push_back({"", replaced, 0, record.file, record.offset, replaced.size()});
  }
  return moves;
}

bool ChangesRecord(const RecordMove& move) {
  const std::string record = move.source.empty() ? move.bytes : BytesAt(move.source, move.sourceOffset, move.size, false);
  return BytesAt(move.target, move.targetOffset, move.size, false) != record;
}

std::uint64_t RecordNumberOf(const RecordMove& move) {
  return move.size == 0 || move.targetOffset < kHeaderSize ? 0 : (move.targetOffset - kHeaderSize) / move.size;
}

std::vector<RecordMove> StockRecordMoves(RecordPair pair) {
  std::vector<RecordMove> moves;
  for (const ModelFile& file : kModelFiles) {
    const std::string stock = std::string(kSupportFolder) + std::string(file.name);
    if (!platform::FileExists(stock) || !platform::FileExists(file.name)) continue;
    moves.push_back({stock, "", RecordOffset(pair.source, file.recordSize), std::string(file.name),
                     RecordOffset(pair.target, file.recordSize), file.recordSize});
  }
  return moves;
}

bool HoldsModelFile() {
  for (const ModelFile& file : kModelFiles) {
    if (platform::FileExists(file.name)) return true;
  }
  return false;
}

}  // namespace vantrel
