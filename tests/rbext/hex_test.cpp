#include <gtest/gtest.h>

#include "rbext/hex_value.h"
#include "rbext/text_utils.h"

namespace vantrel {
namespace {

TEST(HexByteTest, UpperCaseDigitsHighNibbleFirst) {
  EXPECT_EQ(HexByte(0), "00");
  EXPECT_EQ(HexByte(10), "0A");
  EXPECT_EQ(HexByte(20), "14");
  EXPECT_EQ(HexByte(42), "2A");
  EXPECT_EQ(HexByte(0xC3), "C3");
  EXPECT_EQ(HexByte(255), "FF");
}

TEST(HexValueTest, ReadsBackEveryByteInEitherCase) {
  for (int v = 0; v < 256; ++v) {
    const std::string hex = HexByte(static_cast<std::uint8_t>(v));
    EXPECT_EQ(HexValue(hex), v) << hex;
    EXPECT_EQ(HexValue(LowerName(hex)), v) << hex;
  }
}

TEST(HexValueTest, StopsAtTheFirstOtherCharacter) {
  EXPECT_EQ(HexValue("1F"), 31);
  EXPECT_EQ(HexValue("ff"), 255);
  EXPECT_EQ(HexValue("aB"), 171);
  EXPECT_EQ(HexValue("3G"), 3);
  EXPECT_EQ(HexValue("G1"), 0);
  EXPECT_EQ(HexValue(" 1"), 0);
  EXPECT_EQ(HexValue("9"), 9);
  EXPECT_EQ(HexValue(""), 0);
  // Only the two characters of the field count, so the value always fits a byte.
  EXPECT_EQ(HexValue("123"), 0x12);
  EXPECT_EQ(HexValue("fff"), 255);
}

}  // namespace
}  // namespace vantrel
