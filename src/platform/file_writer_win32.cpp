#include "platform/file_writer.h"

#include "platform/errors.h"
#include "platform/handle_io.h"
#include "platform/write_target.h"

namespace vantrel::platform {

FileWriter::FileWriter(std::string_view path, Mode mode)
    : fd_(detail::CreateForWriting(detail::WriteTarget(std::string(path), path), mode == Mode::Append)) {}

void FileWriter::Write(std::string_view bytes) {
  if (!fd_.valid()) throw InOutError(103);  // Pascal's "file not open"
  detail::WriteAll(fd_.get(), bytes.data(), bytes.size());
}

void FileWriter::Close() { fd_.Close(); }

}  // namespace vantrel::platform
