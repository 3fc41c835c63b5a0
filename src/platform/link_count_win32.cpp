#include "platform/link_count.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/handle_io.h"

namespace vantrel::platform {

std::uint64_t LinkCount(std::string_view path) {
  detail::UniqueHandle file = detail::OpenForReading(path);
  BY_HANDLE_FILE_INFORMATION information{};
  if (!::GetFileInformationByHandle(file.get(), &information)) detail::ThrowLastError();
  file.Close();
  return information.nNumberOfLinks;
}

}  // namespace vantrel::platform
