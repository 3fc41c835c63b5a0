// The keys that move the pick in a list, in a whole list and a filtered one.
#include "window/list_keys.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Rows = std::vector<std::size_t>;
using M = ListMove;
constexpr std::nullopt_t kNone = std::nullopt;

const Rows kWhole = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
const Rows kFiltered = {3, 7, 12};

TEST(ListKeys, EachKeyPicksTheEntryItMovesToInView) {
  const struct {
    const char* what;
    Rows inView;
    std::optional<std::size_t> picked;
    std::size_t page;
    ListMove move;
    std::optional<std::size_t> picks;
  } kCases[] = {
      {"down", kWhole, 2, 4, M::Down, 3},
      {"up", kWhole, 2, 4, M::Up, 1},
      {"up at the top stays", kWhole, 0, 4, M::Up, 0},
      {"down at the bottom stays", kWhole, 9, 4, M::Down, 9},
      {"a page down is one less than a page", kWhole, 2, 4, M::PageDown, 5},
      {"a page up stops at the top", kWhole, 2, 4, M::PageUp, 0},
      {"a page down stops at the bottom", kWhole, 8, 4, M::PageDown, 9},
      {"a page of one row moves one", kWhole, 2, 1, M::PageDown, 3},
      {"home", kWhole, 5, 4, M::Home, 0},
      {"end", kWhole, 5, 4, M::End, 9},
      {"down with no pick takes the first", kWhole, kNone, 4, M::Down, 0},
      {"up with no pick takes the first", kWhole, kNone, 4, M::Up, 0},
      {"end with no pick takes the last", kWhole, kNone, 4, M::End, 9},
      {"down in a filtered list", kFiltered, 3, 10, M::Down, 7},
      {"down from a pick the filter hides: the next in view", kFiltered, 5, 10, M::Down, 7},
      {"up from a pick the filter hides: the one before it", kFiltered, 5, 10, M::Up, 3},
      {"a page down from a hidden pick", kFiltered, 5, 10, M::PageDown, 12},
      {"a hidden pick before all in view", kFiltered, 1, 10, M::Up, 3},
      {"a hidden pick after all in view", kFiltered, 20, 10, M::Down, 12},
      {"the only entry in view, the pick out of it", Rows{5}, 0, 10, M::Down, 5},
      {"nothing in view", Rows{}, 2, 10, M::Down, kNone},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(RowAfterMove(c.move, c.inView, c.picked, c.page), c.picks) << c.what;
  }
}

}  // namespace
}  // namespace vantrel
