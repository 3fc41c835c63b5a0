// Where an entry's aside goes in its row: whole, cut or a sign in the room the text leaves,
// never over the text.
#include <gtest/gtest.h>

#include "window/aside_place.h"

namespace vantrel {
namespace {

TEST(PlaceAside, TakesTheRoomRightOfTheTextAndNeverTheTexts) {
  // A row 200 wide: 10 kept free after the text and 5 at the right edge; the shortest cut
  // 40 wide, the sign 6.
  const struct {
    int text;
    int aside;
    AsidePlace place;
  } kCases[] = {
      {50, 80, {AsideShown::Whole, 115, 195}},   // room for both, the aside at the right
      {50, 135, {AsideShown::Whole, 60, 195}},   // just room for both
      {100, 120, {AsideShown::Cut, 110, 195}},   // the aside cut to the room
      {145, 120, {AsideShown::Cut, 155, 195}},   // room for the shortest cut
      {160, 120, {AsideShown::Sign, 189, 195}},  // too little for a cut: the sign
      {180, 120, {AsideShown::Nothing, 195, 195}},
      {250, 20, {AsideShown::Nothing, 195, 195}},  // the text runs past the row's edge
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(PlaceAside({200, c.text, 10, c.aside, 40, 6}), c.place) << c.text << " " << c.aside;
  }
}

}  // namespace
}  // namespace vantrel
