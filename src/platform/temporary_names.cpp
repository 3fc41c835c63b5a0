#include "platform/temporary_names.h"

#include <atomic>
#include <charconv>

namespace vantrel::platform::detail {
namespace {

constexpr std::string_view kPrefix = ".vantrel-";
constexpr std::string_view kSuffix = ".tmp";

}  // namespace

std::string TemporaryLeaf(unsigned long pid) {
  static std::atomic<unsigned> counter{0};
  return std::string(kPrefix) + std::to_string(pid) + "-" + std::to_string(counter++) + std::string(kSuffix);
}

unsigned long WriterOf(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return 0;
  name.remove_prefix(kPrefix.size());
  name.remove_suffix(kSuffix.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash + 1 == name.size()) return 0;
  unsigned long pid = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + dash, pid);
  if (error != std::errc() || end != name.data() + dash || pid == 0) return 0;
  for (char c : name.substr(dash + 1)) {
    if (c < '0' || c > '9') return 0;
  }
  return pid;
}

}  // namespace vantrel::platform::detail
