#pragma once
// Where the window may go on a screen, and how its controls share out the room it has beyond
// the reference layout. Knows no toolkit: the Qt window and a Win32 one apply the same rules.
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace vantrel {

struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Box&) const = default;
};

// The outer box the window gets for `wanted` on a screen whose free area is `available`: at
// least `minimum` in each direction unless the screen is smaller, never larger than the
// screen, and moved as little as needed to lie wholly on it.
Box PlaceOnScreen(Box wanted, Box available, int minimumWidth, int minimumHeight);

// Of `screens` (the primary one first), the one showing most of `wanted`; the primary one
// when none shows any of it, so a place remembered on a screen since unplugged comes back.
std::size_t ScreenFor(Box wanted, const std::vector<Box>& screens);

inline constexpr int kListColumns = 3;

// The room beyond the reference layout: extra width per list, left to right, and the extra
// height, which all goes to the lists. Below the reference height both heights are negative:
// the lists give up height first, then the preview and the notes (the panels). Sideways the
// row of panels under the lists has columns of its own, the preview and the notes beside it:
// a wider window gives them what it gives the list above each, a narrower one takes width
// from them apart from the lists, and the margin on the left gives up some of its width too.
struct Growth {
  std::array<int, kListColumns> columns{};
  int height = 0;
  int panels = 0;
  int preview = 0;
  int notes = 0;
  int margin = 0;
  bool operator==(const Growth&) const = default;
};

// How much a window smaller than the reference layout takes from it, at 96 dpi. Lower: from
// its lists and then from its panels; the lists under their filter lines keep seven rows, the
// notes the job's last few console lines under their tabs. Narrower: from the left margin and
// each list (the first no more than keeps its column clear of the radio button under it, the
// second no more than keeps Activate clear of Deactivate), and in the row of panels from the
// notes, down to the job's row of buttons, and the preview for the rest. A window smaller
// still scrolls.
struct Shrink {
  int lists = 0;
  int panels = 0;
  int margin = 0;
  std::array<int, kListColumns> across{};
  int notes = 0;
  constexpr int Total() const { return lists + panels; }
  constexpr int Across() const { return margin + across[0] + across[1] + across[2]; }
};
inline constexpr Shrink kMostShrink{143, 60, 16, {45, 118, 85}, 60};

// Extra width is shared among the lists in proportion to their reference widths, so they keep
// their proportions; width a narrower window lacks is taken from the margin and the lists in
// proportion to what each may give, and so from the notes and the preview below them. Height
// a window lacks is taken from the lists, then from the panels, as far as `most` allows.
Growth ShareOut(int extraWidth, int extraHeight, const std::array<int, kListColumns>& listWidths,
                Shrink most = kMostShrink);

// How one control follows the lists and the panels: moved right by the growth of the columns
// in `shiftBy` and widened by that of the columns in `widenBy` (bit i for list i, then the
// preview and the notes); moved down when it is below the lists, made taller when it is one
// of them; the same for the panels. Every control moves with the margin.
struct Anchor {
  unsigned shiftBy = 0;
  unsigned widenBy = 0;
  bool belowLists = false;
  bool withLists = false;
  bool belowPanels = false;
  bool withPanels = false;
};

Box Grown(Box reference, Anchor anchor, const Growth& growth);

// The anchor of a control of the window by its layout name; a control not named stays where
// the reference layout puts it.
Anchor AnchorOf(std::string_view control);

}  // namespace vantrel
