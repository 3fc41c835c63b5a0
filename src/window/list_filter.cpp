#include "window/list_filter.h"

#include "platform/names.h"

namespace vantrel {

bool MatchesFilter(std::string_view entry, std::string_view filter) {
  if (filter.size() > entry.size()) return false;
  for (std::size_t at = 0; at + filter.size() <= entry.size(); ++at) {
    if (platform::SameNameIgnoringCase(entry.substr(at, filter.size()), filter)) return true;
  }
  return false;
}

}  // namespace vantrel
