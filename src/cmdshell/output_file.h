#pragma once
// The file a "> NAME" or ">> NAME" redirection writes to.
#include <string>
#include <string_view>

namespace vantrel::cmdshell {

class OutputFile {
 public:
  // Creates or empties the file (appends with `append`), as cmd does before the command
  // runs. Raises InOutError with Windows' numbers: 3 for a missing folder, 5 for a
  // read-only file or a folder; Error(kBadName) for a name Windows cannot hold.
  OutputFile(std::string_view name, bool append);
  ~OutputFile();  // closes without raising
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void Write(std::string_view bytes);  // raises InOutError
  void Close();                        // raises InOutError

 private:
  int fd_ = -1;
};

}  // namespace vantrel::cmdshell
