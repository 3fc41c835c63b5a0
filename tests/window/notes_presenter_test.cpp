// The notes under the two long lists: how many entries each leaves out for its cap.
#include <filesystem>

#include "presenter_fixture.h"
#include "samplegame/sample_game.h"

namespace vantrel::testing {
namespace {

// The sample game's four patch folders and 1096 more, and 1030 markers.
class CrowdedPresenterTest : public PresenterTest {
 protected:
  CrowdedPresenterTest() { samplegame::LayManyPatches(Work().string(), 1096, 1, 1030, 0); }
};

TEST_F(CrowdedPresenterTest, EachNoteTellsHowManyEntriesItsListLeavesOutAndGoesWhenNoneAre) {
  EXPECT_EQ(session_.cat.ListBox1.Count(), 1024);
  EXPECT_EQ(session_.cat.ListBox3.Count(), 1025);
  EXPECT_TRUE(view_.shown[Control::UnlistedPatches]);
  EXPECT_TRUE(view_.shown[Control::UnlistedActive]);
  EXPECT_EQ(view_.Text(Control::UnlistedPatches), "76 more not listed (at most 1024)");
  EXPECT_EQ(view_.Text(Control::UnlistedActive), "5 more not listed (at most 1025)");

  for (const auto& entry : std::filesystem::directory_iterator(Work())) {
    if (entry.path().extension() == ".aop") std::filesystem::remove(entry.path());
  }
  presenter_->Clicked(Control::Button2);
  EXPECT_FALSE(view_.shown[Control::UnlistedActive]) << "nothing is left out any more";
  EXPECT_TRUE(view_.shown[Control::UnlistedPatches]);
  EXPECT_TRUE(view_.messages.empty());
}

}  // namespace
}  // namespace vantrel::testing
