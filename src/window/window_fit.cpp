#include "window/window_fit.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace vantrel {

namespace {

// The span [start, start + length) moved as little as needed to lie within [low, low + room),
// once no longer than the room.
int Fit(int start, int length, int low, int room) { return std::clamp(start, low, low + room - length); }

long long Overlap(const Box& a, const Box& b) {
  const int width = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
  const int height = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? static_cast<long long>(width) * height : 0;
}

constexpr unsigned kList1 = 1u << 0;
constexpr unsigned kList2 = 1u << 1;
constexpr unsigned kList3 = 1u << 2;
constexpr unsigned kPreview = 1u << 3;
constexpr unsigned kNotes = 1u << 4;
constexpr unsigned kPanels = kPreview | kNotes;

int Sum(unsigned columns, const Growth& growth) {
  int total = 0;
  for (int i = 0; i < kListColumns; ++i) {
    if (columns & (1u << i)) total += growth.columns[static_cast<std::size_t>(i)];
  }
  if (columns & kPreview) total += growth.preview;
  if (columns & kNotes) total += growth.notes;
  return total;
}

int Part(int amount, int weight, int total) {
  return static_cast<int>(static_cast<long long>(amount) * weight / total);
}

// `amount` shared in proportion to `weights`; what rounding towards zero leaves over goes to
// the last, so the shares add up to it exactly.
std::array<int, kListColumns> Shared(int amount, const std::array<int, kListColumns>& weights) {
  std::array<int, kListColumns> shares{};
  const int total = std::accumulate(weights.begin(), weights.end(), 0);
  if (total <= 0) return shares;
  int given = 0;
  for (std::size_t i = 0; i + 1 < weights.size(); ++i) {
    shares[i] = Part(amount, weights[i], total);
    given += shares[i];
  }
  shares.back() = amount - given;
  return shares;
}

}  // namespace

Box PlaceOnScreen(Box wanted, Box available, int minimumWidth, int minimumHeight) {
  Box placed = wanted;
  placed.width = std::min(std::max(wanted.width, minimumWidth), available.width);
  placed.height = std::min(std::max(wanted.height, minimumHeight), available.height);
  placed.left = Fit(wanted.left, placed.width, available.left, available.width);
  placed.top = Fit(wanted.top, placed.height, available.top, available.height);
  return placed;
}

std::size_t ScreenFor(Box wanted, const std::vector<Box>& screens) {
  std::size_t best = 0;
  long long most = 0;
  for (std::size_t i = 0; i < screens.size(); ++i) {
    if (const long long shown = Overlap(wanted, screens[i]); shown > most) {
      most = shown;
      best = i;
    }
  }
  return best;
}

Growth ShareOut(int extraWidth, int extraHeight, const std::array<int, kListColumns>& listWidths, Shrink most) {
  Growth growth;
  growth.height = std::max(extraHeight, -most.lists);
  growth.panels = std::clamp(extraHeight - growth.height, -most.panels, 0);
  if (extraWidth > 0) {
    growth.columns = Shared(extraWidth, listWidths);
    growth.preview = growth.columns[0];
    growth.notes = growth.columns[1] + growth.columns[2];
  } else if (extraWidth < 0 && most.Across() > 0) {
    const int lacking = std::min(-extraWidth, most.Across());
    growth.margin = -Part(lacking, most.margin, most.Across());
    const int fromLists = lacking + growth.margin;
    growth.columns = Shared(-fromLists, most.across);
    const int listsMost = most.Across() - most.margin;
    growth.notes = listsMost > 0 ? -Part(fromLists, std::min(most.notes, listsMost), listsMost) : 0;
    growth.preview = -fromLists - growth.notes;
  }
  return growth;
}

Box Grown(Box reference, Anchor anchor, const Growth& growth) {
  Box grown = reference;
  grown.left += growth.margin + Sum(anchor.shiftBy, growth);
  grown.width += Sum(anchor.widenBy, growth);
  if (anchor.belowLists) grown.top += growth.height;
  if (anchor.withLists) grown.height += growth.height;
  if (anchor.belowPanels) grown.top += growth.panels;
  if (anchor.withPanels) grown.height += growth.panels;
  return grown;
}

Anchor AnchorOf(std::string_view control) {
  // Controls above or below a list keep to its column; under the panels, the job's row keeps
  // to the notes' left edge and its log button to their right one.
  static const std::pair<std::string_view, Anchor> kAnchors[] = {
      {"Button2", {kList1 | kList2, 0, false, false}},
      {"Label2", {kList1, 0, false, false}},
      {"Label3", {kList1 | kList2, 0, false, false}},
      {"PatchFilter", {0, kList1, false, false}},
      {"SlotFilter", {kList1, kList2, false, false}},
      {"ListBox1", {0, kList1, false, true}},
      {"ListBox2", {kList1, kList2, false, true}},
      {"ListBox3", {kList1 | kList2, kList3, false, true}},
      {"UnlistedPatches", {0, 0, true, false}},
      {"UnlistedActive", {kList1 | kList2, kList3, true, false}},
      {"FMDMavail", {0, 0, true, false}},
      {"Label4", {kList1, 0, true, false}},
      {"Edit1", {kList1, kList2, true, false}},
      {"CheckBox1", {kList1, 0, true, false}},
      {"CheckBox2", {kList1, 0, true, false}},
      {"CheckBox3", {kList1, 0, true, false}},
      {"CheckBox4", {kList1, 0, true, false}},
      {"v", {kList1, 0, true, false}},
      {"Button4", {kList1 | kList2, 0, true, false}},
      {"UndoJob", {kList1 | kList2, 0, true, false}},
      {"RestoreGame", {kList1 | kList2, 0, true, false}},
      {"PatchSets", {kList1 | kList2, 0, true, false}},
      {"ScrollBox1", {0, kPreview, true, false, false, true}},
      {"Notes", {kPreview, kNotes, true, false, false, true}},
      {"JobContinue", {kPreview, 0, true, false, true, false}},
      {"JobContinueOnItsOwn", {kPreview, 0, true, false, true, false}},
      {"JobInTerminal", {kPreview, 0, true, false, true, false}},
      {"JobLog", {kPanels, 0, true, false, true, false}},
      {"JobOutcome", {0, kPanels, true, false, true, false}},
  };
  for (const auto& [name, anchor] : kAnchors) {
    if (name == control) return anchor;
  }
  return {};
}

}  // namespace vantrel
