#include "catalogue/entry_list.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace vantrel {
namespace {

std::vector<std::string> Texts(const EntryList& list) { return list.Items(); }

TEST(EntryList, SortedModeOrdersWithoutRegardToCaseAndKeepsTheSelection) {
  EntryList list;
  list.Replace({"b two", "C three", "a one"});
  list.Select(0);  // "b two"
  list.SetSorted(true);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a one", "b two", "C three"}));
  EXPECT_EQ(list.SelectedText(), "b two");

  list.Append("B zero");
  list.Append("d four");
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a one", "b two", "B zero", "C three", "d four"}));
  EXPECT_EQ(list.SelectedText(), "b two") << "an insertion before the selection must not move it";
}

TEST(EntryList, ReplacingTheContentsDropsTheSelection) {
  EntryList list;
  list.Replace({"x", "y"});
  list.Select(1);
  list.Replace({"x", "y"});
  EXPECT_FALSE(list.Selected().has_value());
}

TEST(EntryList, SelectingOutsideTheListLeavesNoSelection) {
  EntryList list;
  list.Select(0);
  EXPECT_FALSE(list.Selected());
  list.Replace({"only"});
  list.Select(1);
  EXPECT_FALSE(list.Selected());
  list.Select(0);
  EXPECT_EQ(list.Selected(), 0);
}

TEST(EntryList, ReadingAMissingSelectionRaisesTheListError) {
  EntryList list;
  list.Replace({"entry"});
  try {
    (void)list.SelectedText();
    FAIL() << "no error raised";
  } catch (const ListIndexError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
  }
  EXPECT_THROW((void)list.At(1), ListIndexError);
}

TEST(EntryList, FindsTheFirstEntryEqualWithoutRegardToCase) {
  EntryList list;
  list.Replace({"0309_My Plane", "0309_my plane", "other"});
  EXPECT_EQ(list.FindIgnoringCase("0309_MY PLANE"), 0);
  EXPECT_EQ(list.FindIgnoringCase("0309_my plan"), std::nullopt);
}

TEST(EntryList, ViewsAreToldOfEveryChange) {
  EntryList list;
  int changes = 0;
  list.SetListener([&] { ++changes; });
  list.Replace({"a"});
  list.Select(0);
  list.Append("b");
  list.AppendAll({"c", "d"});
  list.Clear();
  EXPECT_EQ(changes, 5);
}

}  // namespace
}  // namespace vantrel
