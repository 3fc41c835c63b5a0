#pragma once
// Reading and writing the two-character hexadecimal fields of patch, slot and active codes.
#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// The value of the hexadecimal digits (0-9, A-F, a-f) at the start of the first two
// characters of `twoChars`; reading stops at the first other character and no digit gives
// 0, so a damaged code still decodes: "G1" is 0, "3G" is 3, "" is 0.
std::uint8_t HexValue(std::string_view twoChars);

// An unsigned 8-bit value as two upper-case hexadecimal digits, high four bits first.
std::string HexByte(std::uint8_t value);

}  // namespace vantrel
