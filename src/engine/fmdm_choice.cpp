#include "engine/fmdm_choice.h"

#include "platform/names.h"

namespace vantrel {

namespace {

constexpr const char* kVariants[] = {"S", "2", "3"};
constexpr std::string_view kOff = "off";
constexpr std::string_view kOn = "on";

}  // namespace

std::string FmdmChoice(const Session& s) {
  if (!s.fmdmChanging) return std::string(kOff);
  std::string chosen;
  for (std::size_t i = 0; i < s.fmVariantFlags.size(); ++i) {
    if (s.fmVariantFlags[i]) chosen += (chosen.empty() ? "" : ",") + std::string(kVariants[i]);
  }
  return chosen.empty() ? std::string(kOn) : chosen;
}

std::optional<std::string> ApplyFmdmChoice(Session& s, std::string_view choice) {
  std::array<bool, 3> flags{};
  if (choice != kOff && choice != kOn) {
    for (std::size_t start = 0; start <= choice.size();) {
      std::size_t end = choice.find(',', start);
      if (end == std::string_view::npos) end = choice.size();
      const std::string_view variant = choice.substr(start, end - start);
      std::size_t known = 0;
      while (known < flags.size() && !platform::SameNameIgnoringCase(variant, kVariants[known])) ++known;
      if (known == flags.size()) return std::string(variant);
      flags[known] = true;
      start = end + 1;
    }
  }
  s.fmdmChanging = choice != kOff;
  s.fmVariantFlags = flags;
  return std::nullopt;
}

}  // namespace vantrel
