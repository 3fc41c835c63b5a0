#pragma once
// What the two fields of a patch, slot or active code say about a job: the class code in
// characters 1-2, the type index in characters 3-4.
#include <cstdint>
#include <string_view>

#include "engine/script_text.h"
#include "rbext/hex_value.h"

namespace vantrel {

inline constexpr std::uint8_t kAircraftClass = 0x03;
// A patch type index from here on names no object: such a patch takes no slot.
inline constexpr std::uint8_t kFirstNonObjectIndex = 0x90;
inline constexpr std::uint8_t kVolumeIndex = 0x99;

inline std::uint8_t ClassCodeOf(std::string_view code) { return HexValue(code); }
inline std::uint8_t TypeIndexOf(std::string_view code) { return HexValue(From(code, 3)); }
// Whether a patch of this code is installed into a destination slot.
inline bool TakesASlot(std::string_view patchCode) { return TypeIndexOf(patchCode) < kFirstNonObjectIndex; }

}  // namespace vantrel
