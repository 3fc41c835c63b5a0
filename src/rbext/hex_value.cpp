#include "rbext/hex_value.h"

namespace vantrel {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::uint8_t HexValue(std::string_view twoChars) {
  unsigned value = 0;
  for (char c : twoChars.substr(0, 2)) {
    const int digit = DigitValue(c);
    if (digit < 0) break;
    value = value * 16 + static_cast<unsigned>(digit);
  }
  return static_cast<std::uint8_t>(value);
}

std::string HexByte(std::uint8_t value) { return {kHexDigits[value / 16], kHexDigits[value % 16]}; }

}  // namespace vantrel
