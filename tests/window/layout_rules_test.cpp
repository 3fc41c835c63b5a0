// The layout table and the rules beside it that both views apply: which list a control
// shows and a filter filters, what a filter keeps, and the default error handler.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <utility>
#include <stdexcept>

#include "platform/errors.h"
#include "window/layout_table.h"
#include "window/list_controls.h"
#include "window/list_filter.h"
#include "window/run_handler.h"
#include "window/window_fit.h"

namespace vantrel {
namespace {

TEST(LayoutTable, EveryControlIsThereOnceByItsOwnNameAndInsideTheWindow) {
  std::set<Control> ids;
  std::set<std::string_view> names;
  for (const ControlSpec& entry : FormLayout()) {
    EXPECT_TRUE(ids.insert(entry.id).second) << entry.name;
    EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
    EXPECT_EQ(&SpecOf(entry.id), &entry) << entry.name;
    EXPECT_GT(entry.box.width, 0) << entry.name;
    EXPECT_LE(entry.box.left + entry.box.width, kWindowOuterBox.width) << entry.name;
    EXPECT_LE(entry.box.top + entry.box.height, kWindowOuterBox.height) << entry.name;
  }
  EXPECT_EQ(ids.size(), kControlCount) << "a control missing from the table";
  EXPECT_EQ(SpecOf(Control::v).caption, kActivateCaption);
}

// At its smallest the window still shows every control whole and apart, the lists with rows
// enough to pick from and each entry's code and the start of its name; with a title bar and
// a task bar it fits a laptop's screen of 768 rows, and with a scroll bar beside it a screen
// 1280 wide at twice the usual scale.
TEST(LayoutTable, AtItsSmallestTheWindowShowsEveryControlApartAndFitsALaptop) {
  const std::array<int, kListColumns> widths = {SpecOf(Control::ListBox1).box.width, SpecOf(Control::ListBox2).box.width,
                                                SpecOf(Control::ListBox3).box.width};
  const Growth lowest = ShareOut(-kWindowOuterBox.width, -kWindowOuterBox.height, widths);
  constexpr int kFrame = 30;  // a title bar and borders
  constexpr int kScrollBar = 16;
  EXPECT_LE(kShortestWindowHeight, 768 - 40 - kFrame) << "a task bar of 40";
  EXPECT_LE(kNarrowestWindowWidth, 1280 / 2 - kScrollBar);
  constexpr int kCodeAndEightLetters = 13 * kListFontPixels * 6 / 10;  // a fixed-pitch face
  const auto overlap = [](const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
  };
  const std::span<const ControlSpec> table = FormLayout();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ControlSpec& entry = table[i];
    const Box box = Grown(entry.box, AnchorOf(entry.name), lowest);
    EXPECT_LE(box.top + box.height, kShortestWindowHeight - kFrame) << entry.name;
    EXPECT_GE(box.left, 0) << entry.name;
    EXPECT_LE(box.left + box.width, kNarrowestWindowWidth) << entry.name;
    EXPECT_GE(box.height, entry.kind == ControlKind::List ? 7 * kListItemHeight : entry.box.height / 2) << entry.name;
    if (entry.kind == ControlKind::List) {
      EXPECT_GE(box.width, kCodeAndEightLetters) << entry.name;
    }
    for (std::size_t j = 0; j < i; ++j) {
      const ControlSpec& other = table[j];
      if (overlap(entry.box, other.box)) continue;
      EXPECT_FALSE(overlap(box, Grown(other.box, AnchorOf(other.name), lowest))) << entry.name << " / " << other.name;
    }
  }
}

TEST(LayoutTable, EachFilterLineSitsOverTheListItFiltersAndComesBeforeIt) {
  for (Control filter : {Control::PatchFilter, Control::SlotFilter}) {
    const ControlSpec& line = SpecOf(filter);
    const ControlSpec& list = SpecOf(FilteredList(filter));
    EXPECT_EQ(line.kind, ControlKind::FilterLine);
    EXPECT_EQ(list.kind, ControlKind::List);
    EXPECT_EQ(line.box.left, list.box.left) << line.name;
    EXPECT_EQ(line.box.width, list.box.width) << line.name;
    EXPECT_LE(line.box.top + line.box.height, list.box.top) << line.name;
    EXPECT_LT(&line, &list) << "a filter line comes before its list in tab order";
  }
  EXPECT_THROW(FilteredList(Control::ListBox1), std::logic_error);
}

// Ctrl+F goes to the filter line of the list the user is at: the slots' from that list or its
// own line, else the patches'.
TEST(LayoutTable, CtrlFGoesToTheFilterLineOfTheListTheFocusIsAt) {
  const std::pair<std::optional<Control>, Control> kCases[] = {
      {Control::ListBox2, Control::SlotFilter},     {Control::SlotFilter, Control::SlotFilter},
      {Control::ListBox1, Control::PatchFilter},    {Control::PatchFilter, Control::PatchFilter},
      {Control::ListBox3, Control::PatchFilter},    {Control::path, Control::PatchFilter},
      {std::nullopt, Control::PatchFilter},
  };
  for (const auto& [focus, filter] : kCases) {
    EXPECT_EQ(FilterLineFor(focus), filter) << (focus ? SpecOf(*focus).name : "no control");
  }
}

TEST(LayoutTable, ReturnRunsEachListsJobAndDeleteOnlyTheRemoval) {
  const struct {
    Control control;
    bool onReturn;
    bool onDelete;
  } kCases[] = {
      {Control::ListBox1, true, false},
      {Control::ListBox2, true, false},
      {Control::ListBox3, true, true},
      {Control::PatchFilter, false, false},
      {Control::Button4, false, false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(RunsListJob(c.control, ListKey::Return), c.onReturn) << SpecOf(c.control).name;
    EXPECT_EQ(RunsListJob(c.control, ListKey::Delete), c.onDelete) << SpecOf(c.control).name;
  }
}

TEST(LayoutTable, EachListShowsItsOwnEntryList) {
  Catalogue cat;
  EXPECT_EQ(&EntryListOf(cat, Control::ListBox1), &cat.ListBox1);
  EXPECT_EQ(&EntryListOf(cat, Control::ListBox2), &cat.ListBox2);
  EXPECT_EQ(&EntryListOf(cat, Control::ListBox3), &cat.ListBox3);
  EXPECT_THROW(EntryListOf(cat, Control::Edit1), std::logic_error);
}

TEST(ListFilter, KeepsAnEntryWithTheFilterTextAnywhereInAnyCase) {
  const struct {
    const char* entry;
    const char* filter;
    bool kept;
  } kCases[] = {
      {"031F FE2b Fighter", "fe2B", true},
      {"031F FE2b Fighter", "031", true},
      {"031F FE2b Fighter", "ghter", true},
      {"031F FE2b Fighter", "", true},
      {"031F FE2b Fighter", "zeppelin", false},
      {"0305 Halberstadt", "0305 Halberstadt D.2", false},  // longer than the entry
      {"", "a", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(MatchesFilter(c.entry, c.filter), c.kept) << c.entry << " / " << c.filter;
}

TEST(RunHandler, ARaisedErrorEndsTheHandlerAndItsTextIsShown) {
  std::vector<std::string> shown;
  RunHandler([&](const std::string& text) { shown.push_back(text); }, [] { throw ListIndexError(-1); });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "List index out of bounds (-1)");
  bool after = false;
  RunHandler([&](const std::string& text) { shown.push_back(text); }, [&] { after = true; });
  EXPECT_TRUE(after);
  EXPECT_EQ(shown.size(), 1u) << "a handler that ends normally shows nothing";
}

}  // namespace
}  // namespace vantrel
