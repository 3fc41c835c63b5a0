#include "platform/record_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/game_tree.h"
#include "platform/names.h"
#include "platform/write_target.h"

namespace vantrel::platform {

RecordFile::RecordFile(std::string_view path, Mode mode) {
  if (mode == Mode::ReadWrite) CheckInPlaceWriteInGameTree(path);
  std::string resolved = ResolvePath(path);
  if (mode == Mode::ReadWrite) resolved = detail::WriteTarget(resolved, path);
  fd_ = detail::OpenRegularFile(resolved, mode == Mode::ReadOnly ? O_RDONLY : O_RDWR, path);
}

void RecordFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  if (!fd_.valid()) throw InOutError(103);
  auto* out = static_cast<char*>(buffer);
  const auto read = [&](std::size_t done) {
    return ::pread(fd_.get(), out + done, size - done, static_cast<off_t>(offset + done));
  };
  if (detail::MoveBytes(size, read) < size) throw InOutError(100);
}

void RecordFile::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
  if (!fd_.valid()) throw InOutError(103);
  detail::WriteAllAt(fd_.get(), offset, static_cast<const char*>(data), size);
}

void RecordFile::Close() { fd_.Close(); }

}  // namespace vantrel::platform
