#include "platform/free_space.h"

#include <windows.h>

#include <string>

#include "platform/handle_io.h"
#include "platform/win32_text.h"

namespace vantrel::platform {

std::uint64_t FreeSpace(std::string_view folder) {
  ULARGE_INTEGER available{};
  const std::string asked = folder.empty() ? std::string(".") : std::string(folder);
  if (!::GetDiskFreeSpaceExW(detail::Wide(asked).c_str(), &available, nullptr, nullptr)) {
    detail::ThrowLastError(folder);
  }
  return available.QuadPart;
}

}  // namespace vantrel::platform
