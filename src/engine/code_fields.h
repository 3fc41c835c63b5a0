#pragma once
// What the two fields of a patch, slot or active code say about a job: the class code in
// characters 1-2, the type index in characters 3-4.
#include <cstdint>
#include <string>
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
// The code of every volume patch: its script is "0099.bat", its marker "0099_FOLDER_vol_patch.aop".
inline constexpr std::string_view kVolumePatchCode = "0099";
inline std::string VolumeScriptName() { return std::string(kVolumePatchCode) + ".bat"; }
inline bool IsVolumeMarker(std::string_view marker) {
  return marker.size() > kVolumePatchCode.size() && marker.starts_with(kVolumePatchCode) && marker[kVolumePatchCode.size()] == '_';
}
// Whether a patch of this code is installed into a destination slot.
inline bool TakesASlot(std::string_view patchCode) { return TypeIndexOf(patchCode) < kFirstNonObjectIndex; }

}  // namespace vantrel
