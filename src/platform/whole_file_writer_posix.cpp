#include "platform/whole_file_writer.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/names.h"
#include "platform/whole_copy_file.h"
#include "platform/write_target.h"

namespace vantrel::platform {

WholeFileWriter::WholeFileWriter(std::string_view path, FileWriter::Mode mode) {
  const std::string target = detail::WriteTarget(ResolvePath(path), path);
  file_ = std::make_unique<detail::WholeCopyFile>(target);
  if (mode != FileWriter::Mode::Append) return;
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return;  // nothing to append to
    detail::ThrowForErrnoAt(errno, target);
  }
  detail::UniqueFd old = detail::OpenForReading(target, path);
  Write(detail::ReadAll(old.get()));
  old.Close();
}

WholeFileWriter::~WholeFileWriter() = default;
WholeFileWriter::WholeFileWriter(WholeFileWriter&& other) noexcept = default;

void WholeFileWriter::Write(std::string_view bytes) {
  if (!file_) throw InOutError(103);  // Pascal's "file not open"
  detail::WriteAll(file_->fd(), bytes.data(), bytes.size());
}

void WholeFileWriter::Close() {
  if (!file_) return;
  file_->Commit();
  file_.reset();
}

}  // namespace vantrel::platform
