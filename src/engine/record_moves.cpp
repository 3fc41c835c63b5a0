#include "engine/record_moves.h"

#include <algorithm>
#include <memory>

#include "engine/file_errors.h"
#include "platform/file_length.h"
#include "platform/record_file.h"

namespace vantrel {

namespace {

using platform::RecordFile;
using Bytes = std::vector<unsigned char>;

// A move whose files have been opened and read: what it writes and what that overwrites.
struct CheckedMove {
  const RecordMove* move = nullptr;
  Bytes record;
  std::unique_ptr<RecordFile> target;  // held open from the check to the write
  std::uint64_t oldLength = 0;
  Bytes overwritten;  // the target's bytes under the record; fewer where the file ends sooner
};

Bytes ReadSourceRecord(const RecordMove& move) {
  if (move.source.empty()) return Bytes(move.bytes.begin(), move.bytes.end());
  return NamingFile(move.source, [&] {
    RecordFile source(move.source, RecordFile::Mode::ReadOnly);
    Bytes record(move.size);
    source.ReadAt(move.sourceOffset, record.data(), record.size());
    source.Close();
    return record;
  });
}

CheckedMove Check(const RecordMove& move) {
  CheckedMove checked{&move, ReadSourceRecord(move), nullptr, 0, {}};
  NamingFile(move.target, [&] {
    checked.target = std::make_unique<RecordFile>(move.target, RecordFile::Mode::ReadWrite);
    checked.oldLength = platform::FileLength(move.target);
    if (checked.oldLength <= move.targetOffset) return;
    checked.overwritten.resize(std::min<std::uint64_t>(move.size, checked.oldLength - move.targetOffset));
    checked.target->ReadAt(move.targetOffset, checked.overwritten.data(), checked.overwritten.size());
  });
  return checked;
}

void Write(CheckedMove& checked) {
  NamingFile(checked.move->target, [&] {
    checked.target->WriteAt(checked.move->targetOffset, checked.record.data(), checked.record.size());
    checked.target->Close();
  });
}

// Through a fresh handle, since the one that failed may be closed or unusable. A target
// that cannot be put back is left as it is: the error the user sees is the one that
// started the undoing, and the other targets still deserve their old bytes.
void PutBack(const CheckedMove& checked) noexcept {
  const RecordMove& move = *checked.move;
  try {
    RecordFile target(move.target, RecordFile::Mode::ReadWrite);
    if (!checked.overwritten.empty()) target.WriteAt(move.targetOffset, checked.overwritten.data(), checked.overwritten.size());
    target.Close();
    if (checked.oldLength < move.targetOffset + move.size) platform::SetFileLength(move.target, checked.oldLength);
  } catch (const std::exception&) {
  }
}

}  // namespace

void MoveRecords(const std::vector<RecordMove>& moves) {
  std::vector<CheckedMove> checked;
  checked.reserve(moves.size());
  for (const RecordMove& move : moves) checked.push_back(Check(move));
  for (std::size_t i = 0; i < checked.size(); ++i) {
    try {
      Write(checked[i]);
    } catch (...) {
      for (std::size_t j = i + 1; j-- > 0;) PutBack(checked[j]);
      throw;
    }
  }
}

}  // namespace vantrel
