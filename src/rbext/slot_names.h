#pragma once
// The built-in names of the game's destination slots: 21 classes of 43 type indexes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

constexpr int kSlotClasses = 21;       // class codes 00 to 14 hexadecimal
constexpr int kSlotsPerClass = 43;     // type indexes 00 to 2A hexadecimal
constexpr std::size_t kSlotNameCapacity = 25;

using SlotNameTable = std::array<std::array<std::string, kSlotsPerClass>, kSlotClasses>;

// Fills every cell with its class label, then the named slots with their own names;
// every text is cut to 25 characters.
void BuildSlotNameTable(SlotNameTable& table);

// The default name of every slot of class `classNumber` (0 to 20); RangeError outside.
std::string_view SlotClassLabel(int classNumber);

}  // namespace vantrel
