#pragma once
// Fixed-size records copied between files as one change: the model files must never be left
// half patched, with some records moved and others not.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// One record from a source file into a target file, both named as the engine writes them
// (relative to the working folder, "\" separated), which is how errors name them.
struct RecordMove {
  std::string source;         // "" when the record's bytes are given in `bytes`
  std::string bytes;
  std::uint64_t sourceOffset = 0;
  std::string target;
  std::uint64_t targetOffset = 0;
  std::size_t size = 0;
};

// Before anything is written: every source is opened for reading and its record read whole,
// every target opened for reading and writing and the bytes the record will cover kept.
// Then the records are written in order. When a write or a close fails, every target
// written so far, the failing one included, gets its old bytes and length back, last first,
// and the failure is raised. Every InOutError raised names its file.
void MoveRecords(const std::vector<RecordMove>& moves);

}  // namespace vantrel
