#include "Unit1/type_ahead.h"

#include <cctype>

namespace vantrel {

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
  if (text.size() < start.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i) {
    if (Upper(text[i]) != Upper(start[i])) return false;
  }
  return true;
}

}  // namespace

const std::string& TypeAhead::Add(char key, long long now) {
  if (!last_ || now - *last_ > kPause) typed_.clear();
  last_ = now;
  typed_ += key;
  return typed_;
}

// Unlike the toolkit's own search, a key typed again is not a step to the next entry: codes
// such as "0001" repeat digits.
std::optional<std::size_t> FirstStartingWith(const std::vector<std::string>& texts, std::string_view typed) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (StartsWithIgnoringCase(texts[i], typed)) return i;
  }
  return std::nullopt;
}

}  // namespace vantrel
