// What is installed: the markers joined with the ledger and the slots' names.
#include "engine/installed.h"

#include <gtest/gtest.h>

#include "engine_session.h"
#include "sample_game_fixture.h"

namespace vantrel {
namespace {

using testing::Activate;
using testing::EngineSession;
using testing::SampleGame;

TEST(InstalledPatches, JoinsEachMarkerWithItsLedgerEntryAndItsSlotsName) {
  SampleGame game;
  EngineSession e;
  ASSERT_TRUE(Activate(e, "0099 SpringMaps", "0301").Complete());
  ASSERT_TRUE(Activate(e, "0300 FE2b Fighter", "0300").Complete());
  game.dir.write("game/Simpatch/0612_By Hand.aop", "");  // a marker no job of ours left

  const std::vector<InstalledPatch> installed = InstalledPatches(e.s.cat);
  ASSERT_EQ(installed.size(), 3u);
  const struct {
    const char* entry;
    const char* slotCode;
    bool named;
    const char* folder;  // of the ledger entry; null for none
  } expected[] = {{"0099_SpringMaps_vol_patch", "0099", false, "SpringMaps"},
                  {"0300_FE2b Fighter", "0300", true, "FE2b Fighter"},
                  {"0612_By Hand", "0612", true, nullptr}};
  for (std::size_t i = 0; i < installed.size(); ++i) {
    const InstalledPatch& patch = installed[i];
    SCOPED_TRACE(patch.marker);
    EXPECT_EQ(patch.entry, expected[i].entry);
    EXPECT_EQ(patch.marker, std::string(expected[i].entry) + ".aop");
    EXPECT_EQ(patch.slotCode, expected[i].slotCode);
    EXPECT_EQ(patch.slotName, expected[i].named ? SlotNameOf(e.s.cat, patch.slotCode) : "");
    EXPECT_EQ(patch.slotName.empty(), !expected[i].named);
    ASSERT_EQ(patch.record.has_value(), expected[i].folder != nullptr);
    if (patch.record) {
      EXPECT_EQ(patch.record->folder, expected[i].folder);
    }
  }
  EXPECT_EQ(SlotNameOf(e.s.cat, "0300"), "Fok EIII");
}

}  // namespace
}  // namespace vantrel
