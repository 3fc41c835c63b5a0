#pragma once
// A data file read or written a fixed number of bytes at a byte offset.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/native_file.h"

namespace vantrel::platform {

class RecordFile {
 public:
  enum class Mode { ReadOnly, ReadWrite };
  // Opens an existing file; never creates or truncates. Raises InOutError.
  RecordFile(std::string_view path, Mode mode);
  ~RecordFile() = default;  // closes without raising
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // Reads exactly `size` bytes; fewer raises InOutError 100.
  void ReadAt(std::uint64_t offset, void* buffer, std::size_t size);
  // Writes exactly `size` bytes, extending the file if needed; fewer raises InOutError 101.
  void WriteAt(std::uint64_t offset, const void* data, std::size_t size);
  void Close();  // raises InOutError

 private:
  detail::NativeFile fd_;
};

}  // namespace vantrel::platform
