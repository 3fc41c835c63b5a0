#pragma once
// A file written as plain bytes, created under its name as Windows would find it.
#include <string_view>

#include "platform/native_file.h"

namespace vantrel::platform {

class FileWriter {
 public:
  enum class Mode { Replace, Append };

  // Creates the file, or empties an existing one (with Append, writes after its end).
  // Raises InOutError: 3 for a missing folder, 5 for a folder or a file that is denied.
  explicit FileWriter(std::string_view path, Mode mode = Mode::Replace);
  ~FileWriter() = default;  // closes without raising
  FileWriter(FileWriter&& other) noexcept = default;
  FileWriter& operator=(FileWriter&&) = delete;
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  void Write(std::string_view bytes);  // raises InOutError; 103 once closed
  void Close();                        // raises InOutError; nothing once closed
  bool IsOpen() const { return fd_.valid(); }

 private:
  detail::NativeFile fd_;
};

}  // namespace vantrel::platform
