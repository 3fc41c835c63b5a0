// Where the window may go on a screen and how the room beyond the reference layout is shared.
#include <gtest/gtest.h>

#include "window/window_fit.h"

namespace vantrel {
namespace {

constexpr int kMinWidth = 875;
constexpr int kMinHeight = 868;

TEST(WindowFit, PlaceOnScreenKeepsTheWindowWhollyOnTheFreeArea) {
  const struct {
    const char* what;
    Box wanted, available, placed;
  } kCases[] = {
      {"fits as it is", {273, 142, 875, 868}, {0, 0, 1920, 1200}, {273, 142, 875, 868}},
      {"grown, still fits", {100, 50, 1200, 1000}, {0, 0, 1920, 1200}, {100, 50, 1200, 1000}},
      {"off the right and bottom", {1800, 1000, 875, 868}, {0, 0, 1920, 1200}, {1045, 332, 875, 868}},
      {"off the left and top", {-500, -50, 875, 868}, {0, 0, 1920, 1200}, {0, 0, 875, 868}},
      {"below the minimum", {10, 10, 300, 200}, {0, 0, 1920, 1200}, {10, 10, 875, 868}},
      {"screen smaller than the minimum", {273, 142, 875, 868}, {0, 0, 640, 400}, {0, 0, 640, 400}},
      {"taller than a screen with a task bar", {0, 0, 875, 868}, {0, 40, 1366, 728}, {0, 40, 875, 728}},
      {"second screen, left of the first", {-900, 100, 875, 868}, {-1280, 0, 1280, 1024}, {-900, 100, 875, 868}},
      {"second screen, hanging off it", {-100, 100, 875, 868}, {-1280, 0, 1280, 1024}, {-875, 100, 875, 868}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(PlaceOnScreen(c.wanted, c.available, kMinWidth, kMinHeight), c.placed) << c.what;
  }
}

TEST(WindowFit, ScreenForIsTheOneShowingMostOfTheWindow) {
  const std::vector<Box> screens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}, {-1024, 0, 1024, 768}};
  const struct {
    const char* what;
    Box wanted;
    std::size_t screen;
  } kCases[] = {
      {"on the primary", {273, 142, 875, 868}, 0},
      {"on the right one", {2000, 100, 875, 868}, 1},
      {"mostly on the right one", {1800, 100, 875, 868}, 1},
      {"mostly on the primary", {1300, 100, 875, 868}, 0},
      {"on the left one", {-900, 0, 875, 700}, 2},
      {"on none: the primary", {5000, 5000, 875, 868}, 0},
  };
  for (const auto& c : kCases) EXPECT_EQ(ScreenFor(c.wanted, screens), c.screen) << c.what;
  EXPECT_EQ(ScreenFor({0, 0, 10, 10}, {}), 0u);
}

TEST(WindowFit, ShareOutGivesTheListsTheRoomInProportion) {
  const std::array<int, kListColumns> widths = {201, 217, 177};
  const struct {
    int width, height;
    Growth growth;
  } kCases[] = {
      {0, 0, {{0, 0, 0}, 0, 0}},
      {595, 100, {{201, 217, 177}, 100, 0, 201, 394}},  // the panels below take their lists' growth
      {10, 0, {{3, 3, 4}, 0, 0, 3, 7}},  // what rounding leaves over goes to the last list
      {0, 7, {{0, 0, 0}, 7, 0}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ShareOut(c.width, c.height, widths), c.growth) << c.width << " x " << c.height;
  }
}

// A narrower window takes the width it lacks from the margin and the lists in proportion to
// what each may give, the same from the row of panels, and no more than all of it.
TEST(WindowFit, ShareOutTakesTheWidthLackingInProportionToWhatEachMayGive) {
  const std::array<int, kListColumns> widths = {201, 217, 177};
  const Shrink most{0, 0, 10, {20, 40, 30}, 45};
  const struct {
    int width;
    Growth growth;
  } kCases[] = {
      {-10, {{-2, -4, -3}, 0, 0, -5, -4, -1}},  // rounded towards nothing; the rest to the last
      {-100, {{-20, -40, -30}, 0, 0, -45, -45, -10}},
      {-500, {{-20, -40, -30}, 0, 0, -45, -45, -10}},
  };
  for (const auto& c : kCases) {
    const Growth growth = ShareOut(c.width, 0, widths, most);
    EXPECT_EQ(growth, c.growth) << c.width;
    const int taken = growth.margin + growth.columns[0] + growth.columns[1] + growth.columns[2];
    EXPECT_EQ(taken, growth.margin + growth.preview + growth.notes) << "both rows narrow alike";
    EXPECT_EQ(taken, std::max(c.width, -most.Across())) << c.width;
  }
}

// A lower window takes the height from the lists first, then from the panels, each no further
// than its limit; what is lacking beyond both is scrolled.
TEST(WindowFit, ShareOutTakesTheHeightLackingFromTheListsThenThePanels) {
  const std::array<int, kListColumns> widths = {201, 217, 177};
  const Shrink most{100, 40};
  const struct {
    int height, lists, panels;
  } kCases[] = {
      {-1, -1, 0}, {-100, -100, 0}, {-101, -100, -1}, {-140, -100, -40}, {-500, -100, -40},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ShareOut(-30, c.height, widths, most), (Growth{{0, 0, 0}, c.lists, c.panels})) << c.height;
  }
  EXPECT_EQ(ShareOut(0, -1000, widths), (Growth{{0, 0, 0}, -kMostShrink.lists, -kMostShrink.panels}));
}

TEST(WindowFit, ControlsFollowTheirListsColumn) {
  const Growth growth{{10, 20, 30}, 40, 0, 10, 50};
  const struct {
    const char* control;
    Box reference, grown;
  } kCases[] = {
      {"Label5", {24, 16, 106, 16}, {24, 16, 106, 16}},
      {"Button2", {616, 48, 153, 33}, {646, 48, 153, 33}},
      {"ListBox1", {48, 112, 201, 265}, {48, 112, 211, 305}},
      {"ListBox2", {304, 112, 217, 265}, {314, 112, 237, 305}},
      {"ListBox3", {608, 112, 177, 265}, {638, 112, 207, 305}},
      {"Label3", {648, 88, 71, 13}, {678, 88, 71, 13}},
      {"FMDMavail", {40, 392, 217, 17}, {40, 432, 217, 17}},
      {"Edit1", {304, 408, 241, 21}, {314, 448, 261, 21}},
      {"v", {336, 536, 169, 49}, {346, 576, 169, 49}},
      {"Button4", {632, 536, 145, 49}, {662, 576, 145, 49}},
      {"ScrollBox1", {40, 592, 309, 169}, {40, 632, 319, 169}},
      {"Notes", {368, 592, 490, 140}, {378, 632, 540, 140}},
      {"JobLog", {768, 738, 90, 23}, {828, 778, 90, 23}},
      {"JobOutcome", {40, 770, 818, 30}, {40, 810, 878, 30}},
      {"NotInTheLayout", {1, 2, 3, 4}, {1, 2, 3, 4}},
  };
  for (const auto& c : kCases) EXPECT_EQ(Grown(c.reference, AnchorOf(c.control), growth), c.grown) << c.control;
}

// Narrower, every control moves left with the margin; the notes move with the preview's loss
// and give up their own, and the job's row keeps to their edges.
TEST(WindowFit, ControlsBesideThePreviewFollowItsLoss) {
  const Growth narrower{{-10, -20, -30}, 0, 0, -40, -20, -5};
  const struct {
    const char* control;
    Box reference, narrower;
  } kCases[] = {
      {"Label5", {24, 16, 106, 16}, {19, 16, 106, 16}},
      {"ListBox3", {608, 112, 177, 265}, {573, 112, 147, 265}},
      {"ScrollBox1", {40, 592, 309, 169}, {35, 592, 269, 169}},
      {"Notes", {368, 592, 490, 140}, {323, 592, 470, 140}},
      {"JobContinue", {368, 738, 90, 23}, {323, 738, 90, 23}},
      {"JobLog", {768, 738, 90, 23}, {703, 738, 90, 23}},
      {"JobOutcome", {40, 770, 818, 30}, {35, 770, 758, 30}},
  };
  for (const auto& c : kCases) EXPECT_EQ(Grown(c.reference, AnchorOf(c.control), narrower), c.narrower) << c.control;
}

// Shrunk, the panels lose height at their bottom and what is below them moves up with them.
TEST(WindowFit, ControlsBelowThePanelsFollowThemUp) {
  const Growth shrunk{{0, 0, 0}, -100, -30};
  const struct {
    const char* control;
    Box reference, shrunk;
  } kCases[] = {
      {"ListBox1", {48, 132, 201, 245}, {48, 132, 201, 145}},
      {"v", {336, 536, 169, 49}, {336, 436, 169, 49}},
      {"ScrollBox1", {40, 592, 309, 169}, {40, 492, 309, 139}},
      {"Notes", {368, 592, 490, 140}, {368, 492, 490, 110}},
      {"JobContinue", {368, 738, 90, 23}, {368, 608, 90, 23}},
      {"JobOutcome", {40, 770, 818, 30}, {40, 640, 818, 30}},
  };
  for (const auto& c : kCases) EXPECT_EQ(Grown(c.reference, AnchorOf(c.control), shrunk), c.shrunk) << c.control;
}

}  // namespace
}  // namespace vantrel
