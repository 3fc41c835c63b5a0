#include "platform/text_file.h"

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/names.h"

namespace vantrel::platform {
namespace {

// Large enough that a job script of thousands of lines goes out in a few writes.
constexpr std::size_t kFlushSize = 64 * 1024;

}  // namespace

TextFileWriter::TextFileWriter(std::string_view path)
    : fd_(detail::CreateForWriting(ResolvePath(path)).release()) {}

TextFileWriter::~TextFileWriter() {
  if (fd_ < 0) return;
  detail::UniqueFd fd(fd_);
  fd_ = -1;
  try {
    detail::WriteAll(fd.get(), buffer_.data(), buffer_.size());
  } catch (const Error&) {
    // Either another failure is being raised or the owner chose not to close: that
    // failure or choice stands, and a destructor must not raise.
  }
}

void TextFileWriter::WriteLine(std::string_view line) {
  if (fd_ < 0) throw InOutError(103);  // Pascal's "file not open"
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushSize) Flush();
}

void TextFileWriter::Flush() {
  std::string pending;
  pending.swap(buffer_);  // a failed write is reported once, never written again
  detail::WriteAll(fd_, pending.data(), pending.size());
}

void TextFileWriter::Close() {
  if (fd_ < 0) return;
  std::string pending;
  pending.swap(buffer_);
  detail::UniqueFd fd(fd_);  // closed on every path, a failed write included
  fd_ = -1;
  detail::WriteAll(fd.get(), pending.data(), pending.size());
  fd.Close();
}

std::vector<std::string> ReadTextLines(std::string_view path) {
  detail::UniqueFd fd = detail::OpenForReading(ResolvePath(path));
  const std::string content = detail::ReadAll(fd.get());
  fd.Close();

  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::size_t stop = end;
    if (stop > start && content[stop - 1] == '\r') --stop;
    lines.emplace_back(content, start, stop - start);
    start = end + 1;
  }
  return lines;
}

}  // namespace vantrel::platform
