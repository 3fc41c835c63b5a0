#include "platform/text_file.h"

#include "platform/errors.h"
#include "platform/whole_file.h"

namespace vantrel::platform {
namespace {

// Large enough that a job script of thousands of lines goes out in a few writes.
constexpr std::size_t kFlushSize = 64 * 1024;

}  // namespace

TextFileWriter::TextFileWriter(std::string_view path) : file_(path) {}

TextFileWriter::~TextFileWriter() {
  if (!file_.IsOpen()) return;
  try {
    file_.Write(buffer_);
  } catch (const Error&) {
    // Either another failure is being raised or the owner chose not to close: that
    // failure or choice stands, and a destructor must not raise.
  }
}

void TextFileWriter::WriteLine(std::string_view line) {
  if (!file_.IsOpen()) throw InOutError(103);  // Pascal's "file not open"
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushSize) Flush();
}

void TextFileWriter::Flush() {
  std::string pending;
  pending.swap(buffer_);  // a failed write is reported once, never written again
  file_.Write(pending);
}

void TextFileWriter::Close() {
  if (!file_.IsOpen()) return;
  std::string pending;
  pending.swap(buffer_);
  FileWriter file(std::move(file_));  // closed on every path, a failed write included
  file.Write(pending);
  file.Close();
}

std::vector<std::string> ReadTextLines(std::string_view path) {
  const std::string content = detail::ReadWholeFile(path);

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

std::string ReadTextJoined(std::string_view path) {
  const std::string content = detail::ReadWholeFile(path);
  std::string text;
  text.reserve(content.size() + 1);
  for (std::size_t start = 0; start < content.size();) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::size_t stop = end;
    if (stop > start && content[stop - 1] == '\r') --stop;
    text.append(content, start, stop - start);
    text += '\n';
    start = end + 1;
  }
  return text;
}

}  // namespace vantrel::platform
