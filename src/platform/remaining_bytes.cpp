#include "platform/remaining_bytes.h"

namespace vantrel::platform::detail {

std::string RemainingBytes(std::size_t expected, const ReadChunk& read) {
  std::string content;
  content.reserve(expected);
  char chunk[65536];
  std::size_t got = 0;
  do {
    got = read(chunk, sizeof chunk);
    content.append(chunk, got);
  } while (got == sizeof chunk);
  return content;
}

}  // namespace vantrel::platform::detail
