#include "window/aside_place.h"

namespace vantrel {

AsidePlace PlaceAside(const AsideWidths& widths) {
  const int left = widths.text + widths.gap;
  const int right = widths.row - widths.gap / 2;
  const int room = right - left;
  if (room >= widths.aside) return {AsideShown::Whole, right - widths.aside, right};
  if (room >= widths.shortest) return {AsideShown::Cut, left, right};
  if (room >= widths.sign) return {AsideShown::Sign, right - widths.sign, right};
  return {AsideShown::Nothing, right, right};
}

}  // namespace vantrel
