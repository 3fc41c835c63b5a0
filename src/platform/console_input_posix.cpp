#include "platform/console_input.h"

#include "platform/errors.h"
#include "platform/fd_io.h"

namespace vantrel::platform {

std::optional<char> ReadInputByte(int fd) {
  char c = 0;
  try {
    if (detail::ReadFull(fd, &c, 1) == 1) return c;
  } catch (const InOutError&) {
    // No key to be had: the caller goes on as at the end of input.
  }
  return std::nullopt;
}

}  // namespace vantrel::platform
