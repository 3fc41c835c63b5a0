// The status of Active patches in the window: checked in the background after each listing,
// a patch whose files are not all in place marked with why, and "Repair" offered for it.
#include <filesystem>

#include "presenter_fixture.h"

namespace vantrel::testing {
namespace {

using Marks = std::map<std::string, std::string>;

using StatusPresenterTest = PresenterTest;

TEST_F(StatusPresenterTest, MarksAnEntryWhoseFilesAreNotInPlaceAndRepairsIt) {
  Pick(Control::ListBox1, "060E Big Tank");
  Pick(Control::ListBox2, SlotLine("0601"));
  presenter_->Clicked(Control::v);
  jobs_.End();
  EXPECT_EQ(CheckedMarks(), Marks{});

  std::filesystem::remove(Work() / "06019000.dml");
  presenter_->Clicked(Control::Button2);
  const Marks missing{{"0601_Big Tank", "Not all its files are in place (Repair puts them back):\nmissing: .\\06019000.dml"}};
  EXPECT_EQ(CheckedMarks(), missing);
  EXPECT_FALSE(presenter_->RepairOffered()) << "nothing picked";
  Pick(Control::ListBox3, "0601_Big Tank");
  EXPECT_EQ(session_.cat.ListBox3.SelectedText(), "0601_Big Tank") << "the entry's text is the marker's";
  EXPECT_EQ(CheckedMarks(), missing);
  EXPECT_TRUE(presenter_->RepairOffered());

  presenter_->RepairAsked();
  ASSERT_EQ(jobs_.started.size(), 2u);
  EXPECT_EQ(jobs_.started.back().success, "0601_Big Tank is repaired");
  jobs_.End();
  EXPECT_TRUE(jobs_.outcomes.back().Complete());
  EXPECT_TRUE(std::filesystem::exists(Work() / "06019000.dml"));
  EXPECT_EQ(CheckedMarks(), Marks{});
  EXPECT_FALSE(presenter_->RepairOffered());
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

}  // namespace
}  // namespace vantrel::testing
