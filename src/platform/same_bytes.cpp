#include "platform/same_bytes.h"

#include <cstring>
#include <vector>

namespace vantrel::platform::detail {

bool SameBytes(const ReadSide& read) {
  constexpr std::size_t kChunk = std::size_t{1} << 18;
  std::vector<char> left(kChunk);
  std::vector<char> right(kChunk);
  for (;;) {
    const std::size_t got = read(0, left.data(), kChunk);
    if (read(1, right.data(), kChunk) != got) return false;
    if (std::memcmp(left.data(), right.data(), got) != 0) return false;
    if (got < kChunk) return true;
  }
}

}  // namespace vantrel::platform::detail
