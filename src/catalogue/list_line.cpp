#include "catalogue/list_line.h"

namespace vantrel {

namespace {

constexpr std::size_t kCodeLength = 4;
constexpr std::size_t kTypeIndexStart = 2;  // after the two digits of the class code
constexpr std::size_t kNameStart = kCodeLength + 1;  // after the separator

// Characters from `first` (counted from 0), at most `count`, as far as the line reaches.
std::string_view Part(std::string_view line, std::size_t first, std::size_t count = std::string_view::npos) {
  if (line.size() <= first) return {};
  return line.substr(first, count);
}

}  // namespace

std::string ListLine(std::string_view code, std::string_view name) {
  std::string line;
  line.reserve(code.size() + 1 + name.size());
  line.append(code).append(" ").append(name);
  return line;
}

std::string_view LineCode(std::string_view line) { return Part(line, 0, kCodeLength); }

std::string_view LineTypeIndex(std::string_view line) { return Part(line, kTypeIndexStart, kCodeLength - kTypeIndexStart); }

std::string_view LineName(std::string_view line) { return Part(line, kNameStart); }

}  // namespace vantrel
