#pragma once
// A file whose new bytes reach its name only once all of them are written: a full disk or a
// kill leaves the file as it was, or not there, never empty or cut short. For the batch
// interpreter's redirections, whose files (an activation marker) are read by their presence.
#include <memory>
#include <string_view>

#include "platform/file_writer.h"

namespace vantrel::platform {

namespace detail {
class WholeCopyFile;
}  // namespace detail

class WholeFileWriter {
 public:
  // The file named as Windows would find it. With Append, the new bytes follow the file's
  // own. Raises InOutError: 3 for a missing folder, 5 for a folder that is denied; Error
  // when the write would leave the game tree while writes are confined to it.
  explicit WholeFileWriter(std::string_view path, FileWriter::Mode mode = FileWriter::Mode::Replace);
  ~WholeFileWriter();  // one never closed leaves the file as it was
  WholeFileWriter(WholeFileWriter&& other) noexcept;
  WholeFileWriter& operator=(WholeFileWriter&&) = delete;
  WholeFileWriter(const WholeFileWriter&) = delete;
  WholeFileWriter& operator=(const WholeFileWriter&) = delete;

  void Write(std::string_view bytes);  // raises InOutError; 103 once closed
  void Close();                        // puts the bytes in place; raises InOutError

 private:
  std::unique_ptr<detail::WholeCopyFile> file_;
};

}  // namespace vantrel::platform
