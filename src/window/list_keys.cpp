#include "window/list_keys.h"

#include <algorithm>

namespace vantrel {

std::optional<std::size_t> RowAfterMove(ListMove move, const std::vector<std::size_t>& inView,
                                        std::optional<std::size_t> picked, std::size_t page) {
  if (inView.empty()) return std::nullopt;
  const std::size_t last = inView.size() - 1;
  if (move == ListMove::End) return inView[last];
  if (move == ListMove::Home || !picked) return inView.front();
  // Where the pick stands, or the first entry in view after it when it is out of view.
  const auto at = static_cast<std::size_t>(std::lower_bound(inView.begin(), inView.end(), *picked) - inView.begin());
  const bool shown = at <= last && inView[at] == *picked;
  const bool byPage = move == ListMove::PageUp || move == ListMove::PageDown;
  const std::size_t step = byPage ? std::max<std::size_t>(page, 2) - 1 : 1;
  if (move == ListMove::Up || move == ListMove::PageUp) return inView[at > step ? at - step : 0];
  // Down from a pick out of view: the first step lands on the entry after it.
  const std::size_t down = shown ? at + step : at + step - 1;
  return inView[std::min(down, last)];
}

}  // namespace vantrel
