#include "rbext/slot_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/errors.h"
#include "rbext/hex_value.h"
#include "rbext/text_utils.h"

namespace vantrel {
namespace {

// The length of every named slot, slot code -> characters, kept apart from the names
// themselves so that a lost or added blank in a name shows up here.
const std::map<int, std::size_t> kNamedSlotLengths = {
    {0x0200, 5},  {0x0201, 5},  {0x0202, 7},  {0x0203, 9},  {0x0204, 11}, {0x0205, 8},
    {0x0206, 25}, {0x0207, 5},  {0x0208, 8},  {0x0209, 25}, {0x020A, 19}, {0x020B, 19},
    {0x0300, 9},  {0x0301, 13}, {0x0302, 16}, {0x0303, 13}, {0x0304, 19}, {0x0305, 17},
    {0x0306, 15}, {0x0307, 13}, {0x0308, 15}, {0x0309, 11}, {0x030A, 17}, {0x030B, 15},
    {0x030C, 20}, {0x030D, 18}, {0x030E, 25}, {0x030F, 17}, {0x0310, 12}, {0x0311, 25},
    {0x0312, 16}, {0x0313, 25}, {0x0314, 14}, {0x0315, 14}, {0x0316, 25}, {0x0317, 10},
    {0x0318, 17}, {0x0319, 15}, {0x031A, 13}, {0x031B, 11}, {0x031C, 13}, {0x031D, 11},
    {0x031E, 11}, {0x031F, 8},  {0x0320, 22}, {0x0321, 16}, {0x0322, 18}, {0x0323, 7},
    {0x0324, 15}, {0x0325, 9},  {0x0326, 7},  {0x0327, 22}, {0x0328, 19}, {0x0329, 17},
    {0x032A, 17}, {0x0600, 9},  {0x0601, 8},  {0x0602, 8},  {0x0603, 10}, {0x0604, 10},
    {0x0605, 21}, {0x0606, 21}, {0x0607, 19}, {0x0608, 20}, {0x0609, 16}, {0x060A, 21},
    {0x060C, 16}, {0x060D, 19}, {0x060E, 19}, {0x060F, 19}, {0x0610, 19}, {0x0704, 18},
    {0x0706, 17}, {0x0707, 17}, {0x0801, 16}, {0x0802, 18}, {0x0804, 12}, {0x0805, 16},
    {0x0806, 18}, {0x0807, 25}, {0x0808, 25}, {0x0809, 18}, {0x0900, 10}, {0x0901, 11},
    {0x0902, 14}, {0x0903, 14}, {0x0904, 9},  {0x0905, 25}, {0x0906, 7},  {0x0907, 16},
    {0x0908, 16}, {0x0909, 16}, {0x090A, 11}, {0x090B, 5},  {0x090D, 6},  {0x090F, 22},
    {0x0910, 18}, {0x0912, 14}, {0x091B, 8},  {0x091D, 12}, {0x091E, 14}, {0x091F, 12},
    {0x0922, 20}, {0x0923, 20}, {0x0924, 15}, {0x0925, 20}, {0x0926, 18},
};

// Class label lengths, class 00 to 14.
constexpr std::size_t kLabelLengths[kSlotClasses] = {13, 14, 15, 14, 14, 25, 13, 17, 18, 15, 11,
                                                     21, 20, 16, 11, 14, 11, 14, 9,  17, 15};

std::string CodeText(int code) {
  return HexByte(static_cast<std::uint8_t>(code >> 8)) + HexByte(static_cast<std::uint8_t>(code));
}

class SlotNameTableTest : public ::testing::Test {
 protected:
  SlotNameTableTest() { BuildSlotNameTable(table); }

  const std::string& Cell(int code) const { return table.at(code >> 8).at(code & 0xFF); }
  bool IsNamed(int classNumber, int typeIndex) const {
    return table[classNumber][typeIndex] != SlotClassLabel(classNumber);
  }

  SlotNameTable table;
};

TEST_F(SlotNameTableTest, EveryNamedSlotHasItsListedLength) {
  for (const auto& [code, length] : kNamedSlotLengths) {
    EXPECT_EQ(Cell(code).size(), length) << "slot " << CodeText(code) << " '" << Cell(code) << "'";
    EXPECT_TRUE(IsNamed(code >> 8, code & 0xFF)) << "slot " << CodeText(code);
  }
}

TEST_F(SlotNameTableTest, NamedSlotsPerClassAndNoOthers) {
  const std::map<int, int> expected = {{0x02, 12}, {0x03, 43}, {0x06, 16},
                                       {0x07, 3},  {0x08, 8},  {0x09, 25}};
  int total = 0;
  for (int c = 0; c < kSlotClasses; ++c) {
    int named = 0;
    for (int n = 0; n < kSlotsPerClass; ++n) {
      if (!IsNamed(c, n)) continue;
      ++named;
      EXPECT_TRUE(kNamedSlotLengths.contains(c << 8 | n))
          << "unexpected name in " << CodeText(c << 8 | n);
    }
    const auto it = expected.find(c);
    EXPECT_EQ(named, it == expected.end() ? 0 : it->second) << "class " << c;
    total += named;
  }
  EXPECT_EQ(total, 107);
}

TEST_F(SlotNameTableTest, ClassLabelsKeepTheirBlanksAndLowerCaseCodes) {
  for (int c = 0; c < kSlotClasses; ++c) {
    const std::string_view label = SlotClassLabel(c);
    EXPECT_EQ(label.size(), kLabelLengths[c]) << "class " << c << " '" << label << "'";
    EXPECT_EQ(label.substr(0, 2), LowerName(HexByte(static_cast<std::uint8_t>(c))));
  }
  EXPECT_EQ(SlotClassLabel(0x04), "04 - Soldiers ");
  EXPECT_EQ(SlotClassLabel(0x02), "02-  Landmarks ");
  EXPECT_EQ(Cell(0x0A00), "0a - Debris");
  EXPECT_EQ(Cell(0x060B), "06 - Vehicles");
  EXPECT_EQ(Cell(0x0700), "07 - Air Defenses");
  EXPECT_EQ(Cell(0x142A), "14 - City tiles");
  EXPECT_THROW(SlotClassLabel(kSlotClasses), RangeError);
  EXPECT_THROW(SlotClassLabel(-1), RangeError);
}

TEST_F(SlotNameTableTest, ClassFiveLabelFillsTheCellCapacity) {
  for (int n = 0; n < kSlotsPerClass; ++n) EXPECT_EQ(table[5][n], "05 - unknown/Dummy 1 clas");
  for (const auto& row : table) {
    for (const std::string& cell : row) EXPECT_LE(cell.size(), kSlotNameCapacity) << cell;
  }
}

TEST_F(SlotNameTableTest, NamesStartWithOneBlankAircraftWithTwo) {
  for (const auto& [code, length] : kNamedSlotLengths) {
    const bool twoBlanks = (code >= 0x0302 && code <= 0x032A) || code == 0x090F;
    const std::string& name = Cell(code);
    const std::size_t blanks = name.find_first_not_of(' ');
    EXPECT_EQ(blanks, twoBlanks ? 2u : 1u) << "slot " << CodeText(code) << " '" << name << "'";
  }
  EXPECT_EQ(Cell(0x0300), " Fok EIII");
  EXPECT_EQ(Cell(0x090F), "  ==> Tolvas Trees ;) ");
}

TEST_F(SlotNameTableTest, Slot0313HoldsTwoDoubleQuotes) {
  EXPECT_EQ(Cell(0x0313), "  Morane Saulnier \"N\" Bul");
  EXPECT_EQ(std::count(Cell(0x0313).begin(), Cell(0x0313).end(), '"'), 2);
}

}  // namespace
}  // namespace vantrel
