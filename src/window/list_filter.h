#pragma once
// The filter lines above Available patches and Destination slots: an entry stays in view
// when the filter text is any part of it (its code or its name), in any letter case.
#include <string_view>

namespace vantrel {

bool MatchesFilter(std::string_view entry, std::string_view filter);

}  // namespace vantrel
