#pragma once
// The layout the three lists share: a code of four characters, one separator, a name.
// A patch line is patch code, blank, folder name; a slot line is slot code, blank, slot
// name; an active line is the marker's name, slot code, "_", the rest. Every part is cut
// where the line ends, so a short line gives short or empty parts, never an error.
#include <string>
#include <string_view>

namespace vantrel {

// code + " " + name, as the scan list and Destination slots hold them.
std::string ListLine(std::string_view code, std::string_view name);

std::string_view LineCode(std::string_view line);       // characters 1-4
std::string_view LineTypeIndex(std::string_view line);  // characters 3-4, the code's type index
std::string_view LineName(std::string_view line);       // characters 6 to the end

}  // namespace vantrel
