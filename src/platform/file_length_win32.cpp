#include "platform/file_length.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/handle_io.h"
#include "platform/write_target.h"

namespace vantrel::platform {

std::uint64_t FileLength(std::string_view path) {
  detail::UniqueHandle file = detail::OpenForReading(path);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) detail::ThrowLastError();
  file.Close();
  return static_cast<std::uint64_t>(size.QuadPart);
}

void SetFileLength(std::string_view path, std::uint64_t length) {
  detail::UniqueHandle file = detail::OpenForUpdate(detail::WriteTarget(std::string(path), path));
  LARGE_INTEGER end{};
  end.QuadPart = static_cast<LONGLONG>(length);
  if (!::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) || !::SetEndOfFile(file.get())) {
    detail::ThrowLastError();
  }
  file.Close();
}

}  // namespace vantrel::platform
