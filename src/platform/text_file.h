#pragma once
// Text files as the system writes and reads them: 8-bit bytes, CR LF line ends.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_writer.h"

namespace vantrel::platform {

class TextFileWriter {
 public:
  // Creates the file or empties an existing one; raises InOutError.
  explicit TextFileWriter(std::string_view path);
  ~TextFileWriter();  // closes without raising
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  void WriteLine(std::string_view line);  // appends line + CR LF; raises InOutError
  void Close();                           // flushes and closes; raises InOutError
  bool IsOpen() const { return file_.IsOpen(); }

 private:
  void Flush();
  FileWriter file_;
  std::string buffer_;
};

// The lines of a text file, without their line ends (CR LF or LF); raises InOutError.
std::vector<std::string> ReadTextLines(std::string_view path);
// The same lines in one text, each ended by LF.
std::string ReadTextJoined(std::string_view path);

}  // namespace vantrel::platform
