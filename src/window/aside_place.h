#pragma once
// Where a list entry's aside (what it shows beside its text, EntryList::Aside) goes in the
// entry's row: at the right, in the room the entry's text leaves. The text always wins: an
// aside wider than the room is cut short, a sign stands for it where the room holds too little
// of it, and nothing is drawn where not even the sign fits. The views measure in their
// toolkit's font; this decides.
namespace vantrel {

// Widths in pixels; `text` is from the row's left edge to where the entry's text ends.
struct AsideWidths {
  int row;
  int text;
  int gap;       // kept free after the text; half of it at the row's right edge
  int aside;     // the aside whole
  int shortest;  // the shortest cut worth showing: a few letters and the ellipsis
  int sign;      // what stands for an aside with no room for even that
};

enum class AsideShown { Whole, Cut, Sign, Nothing };

// The aside's span in the row, from its left edge; drawn aligned to its right.
struct AsidePlace {
  AsideShown shown;
  int left;
  int right;
  bool operator==(const AsidePlace&) const = default;
};

AsidePlace PlaceAside(const AsideWidths& widths);

}  // namespace vantrel
