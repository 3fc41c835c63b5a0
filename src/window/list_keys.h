#pragma once
// The keys that move the pick in a list, the same in every view: the entry a key moves to is
// the user's pick, in a filtered list as in a whole one.
#include <cstddef>
#include <optional>
#include <vector>

namespace vantrel {

enum class ListMove { Up, Down, PageUp, PageDown, Home, End };

// The row of the entry list that `move` picks in a list showing the rows `inView` (ascending;
// a filter leaves the others out), `page` of them at a time. A page key moves one less than a
// page, so that the entry it leaves stays in sight. A pick out of view moves from where it
// would stand among them; with none, a move picks the first entry in view (End the last).
// None when nothing is in view.
std::optional<std::size_t> RowAfterMove(ListMove move, const std::vector<std::size_t>& inView,
                                        std::optional<std::size_t> picked, std::size_t page);

}  // namespace vantrel
