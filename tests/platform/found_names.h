#pragma once
// The names a search found, in its order: what the search tests compare.
#include <string>
#include <vector>

#include "platform/search.h"

namespace vantrel::platform::testing {

using Names_ = std::vector<std::string>;

inline Names_ Names(const std::vector<FoundEntry>& entries) {
  Names_ names;
  for (const auto& entry : entries) names.push_back(entry.name);
  return names;
}

}  // namespace vantrel::platform::testing
