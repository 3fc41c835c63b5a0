// Type-ahead: what counts as one search, and which entry it finds.
#include <gtest/gtest.h>

#include "window/type_ahead.h"

namespace vantrel {
namespace {

TEST(TypeAhead, KeysTypedQuicklyMakeOneSearchAndAPauseStartsAnew) {
  TypeAhead typed;
  EXPECT_EQ(typed.Add('0', 0), "0");
  EXPECT_EQ(typed.Add('3', 200), "03");
  EXPECT_EQ(typed.Add('1', 200 + TypeAhead::kPause), "031");
  EXPECT_EQ(typed.Add('F', 201 + 2 * TypeAhead::kPause), "F");
}

TEST(TypeAhead, FirstStartingWithIgnoresCaseAndTakesTheFirst) {
  const std::vector<std::string> lines = {"0001 Ground", "0011 Hangar", "031F FE2b Fighter", "031f Copy", "0612 Tank"};
  const struct {
    const char* typed;
    std::optional<std::size_t> found;
  } kCases[] = {
      {"0", 0}, {"00", 0}, {"001", 1}, {"031f", 2}, {"031F F", 2}, {"031F C", 3},
      {"7", std::nullopt}, {"0612 Tank and more", std::nullopt}, {"", 0},
  };
  for (const auto& c : kCases) EXPECT_EQ(FirstStartingWith(lines, c.typed), c.found) << c.typed;
  EXPECT_EQ(FirstStartingWith({}, "0"), std::nullopt);
}

}  // namespace
}  // namespace vantrel
