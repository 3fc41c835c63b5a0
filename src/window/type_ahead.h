#pragma once
// Finding a list entry by typing the start of its code: "031F" typed quickly goes to the
// first entry starting with it, in any letter case; a pause starts a new search.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class TypeAhead {
 public:
  // A pause longer than this, in milliseconds, starts a new search.
  static constexpr long long kPause = 1000;

  // What has been typed so far, with `key` typed at the time `now` (milliseconds).
  const std::string& Add(char key, long long now);

 private:
  std::string typed_;
  std::optional<long long> last_;
};

// The first of `texts` that starts with `typed`, without regard to letter case; of those
// `shown` passes, when it is given (a filter leaves the others out of view).
std::optional<std::size_t> FirstStartingWith(const std::vector<std::string>& texts, std::string_view typed,
                                             const std::function<bool(std::size_t)>& shown = {});

}  // namespace vantrel
