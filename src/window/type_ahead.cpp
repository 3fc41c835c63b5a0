#include "window/type_ahead.h"

#include "platform/names.h"

namespace vantrel {

const std::string& TypeAhead::Add(char key, long long now) {
  if (!last_ || now - *last_ > kPause) typed_.clear();
  last_ = now;
  typed_ += key;
  return typed_;
}

// Unlike the toolkit's own search, a key typed again is not a step to the next entry: codes
// such as "0001" repeat digits.
std::optional<std::size_t> FirstStartingWith(const std::vector<std::string>& texts, std::string_view typed,
                                             const std::function<bool(std::size_t)>& shown) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string_view text = texts[i];
    if (text.size() >= typed.size() && platform::SameNameIgnoringCase(text.substr(0, typed.size()), typed) &&
        (!shown || shown(i))) {
      return i;
    }
  }
  return std::nullopt;
}

}  // namespace vantrel
