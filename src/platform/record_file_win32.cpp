#include "platform/record_file.h"

#include "platform/errors.h"
#include "platform/game_tree.h"
#include "platform/handle_io.h"
#include "platform/write_target.h"

namespace vantrel::platform {

namespace {

detail::UniqueHandle OpenForUpdateInPlace(std::string_view path) {
  CheckInPlaceWriteInGameTree(path);
  return detail::OpenForUpdate(detail::WriteTarget(std::string(path), path));
}

}  // namespace

// CreateFileW refuses a folder with 5 by itself, as the POSIX side has to check for.
RecordFile::RecordFile(std::string_view path, Mode mode)
    : fd_(mode == Mode::ReadOnly ? detail::OpenForReading(path) : OpenForUpdateInPlace(path)) {}

void RecordFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  if (!fd_.valid()) throw InOutError(103);
  if (detail::ReadFullAt(fd_.get(), offset, static_cast<char*>(buffer), size) < size) throw InOutError(100);
}

void RecordFile::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
  if (!fd_.valid()) throw InOutError(103);
  detail::WriteAllAt(fd_.get(), offset, static_cast<const char*>(data), size);
}

void RecordFile::Close() { fd_.Close(); }

}  // namespace vantrel::platform
