#include "platform/file_writer.h"

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/names.h"
#include "platform/write_target.h"

namespace vantrel::platform {

FileWriter::FileWriter(std::string_view path, Mode mode)
    : fd_(detail::CreateForWriting(detail::WriteTarget(ResolvePath(path), path), mode == Mode::Append).release()) {}

FileWriter::~FileWriter() { detail::UniqueFd closing(fd_); }

FileWriter::FileWriter(FileWriter&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

void FileWriter::Write(std::string_view bytes) {
  if (fd_ < 0) throw InOutError(103);  // Pascal's "file not open"
  detail::WriteAll(fd_, bytes.data(), bytes.size());
}

void FileWriter::Close() {
  detail::UniqueFd closing(fd_);
  fd_ = -1;
  closing.Close();
}

}  // namespace vantrel::platform
