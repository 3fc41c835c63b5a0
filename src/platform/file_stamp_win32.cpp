#include "platform/file_stamp.h"

#include <windows.h>

#include "platform/handle_io.h"
#include "platform/win32_text.h"

namespace vantrel::platform {

FileStamp StampOf(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExW(detail::Wide(path).c_str(), GetFileExInfoStandard, &data)) {
    if (detail::NotThere(::GetLastError())) return {};
    detail::ThrowLastError(path);
  }
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {};
  // FILETIME counts 100-nanosecond ticks from 1601; 1970 is this many ticks later.
  constexpr std::int64_t kTicksTo1970 = 116'444'736'000'000'000;
  const std::int64_t ticks =
      static_cast<std::int64_t>((std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime);
  return {true, (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow, (ticks - kTicksTo1970) * 100};
}

}  // namespace vantrel::platform
