// The ledger: what each job replaced, and the game coming back as it was after any sequence
// of jobs, on the sample game with the real job shell.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/activation.h"
#include "engine/content_hash.h"
#include "engine/ledger.h"
#include "engine/recovery.h"
#include "engine_session.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "sample_game_fixture.h"

namespace vantrel {
namespace {

using testing::Activate;
using testing::Deactivate;
using testing::Difference;
using testing::EngineSession;
using testing::Files;
using testing::SampleGame;

TEST(ContentHash, GivesTheReferenceValuesWhetherFedWholeOrInPieces) {
  std::string stripes;
  for (int i = 0; i < 1280; ++i) stripes += static_cast<char>(i % 256);
  const struct {
    std::string bytes;
    const char* hash;
  } cases[] = {{"", "ef46db3751d8e999"},
               {"a", "d24ec4f1a98c6e5b"},
               {"abc", "44bc2cf5ad770999"},
               {"0123456789abcdef0123456789abcdef!", "8afff4daac4e677e"},
               {stripes, "afc184ad7938a354"}};
  for (const auto& c : cases) {
    EXPECT_EQ(HashOfBytes(c.bytes), c.hash) << c.bytes.size() << " bytes";
    ContentHash pieces;
    for (std::size_t at = 0; at < c.bytes.size(); at += 7) {
      const std::size_t size = std::min<std::size_t>(7, c.bytes.size() - at);
      pieces.Add(reinterpret_cast<const unsigned char*>(c.bytes.data() + at), size);
    }
    EXPECT_EQ(HashText(pieces.Value()), c.hash) << c.bytes.size() << " bytes in pieces of 7";
  }
}

TEST(LedgerText, ReadsBackWhatItWroteAndRefusesAnEntryCutShort) {
  LedgerEntry entry;
  entry.marker = "0305_FE2b Fighter.aop";
  entry.folder = "FE2b Fighter";
  entry.order = 7;
  entry.state = LedgerState::Installed;
  entry.fmdm = "S,3";
  entry.files = {{"03059000.dml", "0123456789abcdef", "FE2b Fighter\\031F9000.dml", "03059000.dml.orig", "fedcba9876543210"},
                 {"0305tex2.bmp", "", "", "", ""}};
  entry.records = {{"fmparam3.dat", 1320, "00ff", "ff00"}};
  const std::string text = LedgerText(entry);
  EXPECT_EQ(LedgerText(ParseLedgerEntry(text, "entry")), text);
  for (std::size_t cut : {text.find("state"), text.find("marker"), std::size_t{5}}) {
    EXPECT_THROW(ParseLedgerEntry(text.substr(0, cut), "entry"), Error) << cut;
  }
  // A line with fields beyond its own is not read as if they were not there.
  for (const char* more : {"\tmore", "\tmore\tand more\tand more"}) {
    std::string longer = text;
    longer.insert(longer.find("\r\n", longer.find("file\t")), more);
    EXPECT_THROW(ParseLedgerEntry(longer, "entry"), Error) << more;
  }
}

// Three volume patches over the same archives: SpringMaps (rb.vol, 3dspring.vol), then
// WinterMaps (the same two), then FallMaps (rb.vol, lowres.vol); rb.vol has three layers,
// 3dspring.vol two, lowres.vol one. WinterMaps lies in another working folder of the game,
// whose jobs replace the same archives.
struct VolumeLayers {
  VolumeLayers() {
    for (const auto& [folder, archives] : kPatches) {
      for (const std::string& archive : archives) {
        game.dir.write("game/" + Home(folder) + "/" + folder + "/" + archive, folder + "'s " + archive);
      }
      game.dir.write("game/" + Home(folder) + "/" + folder + "/00999000.dml", "");
    }
    before = game.Snapshot();
  }

  static std::string Home(const std::string& folder) { return folder == "WinterMaps" ? "Multi" : "Simpatch"; }

  // Runs `job` in the working folder of `folder`, as a session there would.
  JobOutcome InHomeOf(const std::string& folder, const std::function<JobOutcome(EngineSession&)>& job) {
    platform::ChangeDirectory("../" + Home(folder));
    EngineSession e;
    return job(e);
  }

  // What `archive` holds with the patches `active` installed in this order: the last one
  // that has it, or the game's own.
  std::string Expected(const std::vector<std::string>& active, const std::string& archive) const {
    for (auto layer = active.rbegin(); layer != active.rend(); ++layer) {
      for (const auto& [folder, archives] : kPatches) {
        if (folder == *layer && std::find(archives.begin(), archives.end(), archive) != archives.end()) {
          return folder + "'s " + archive;
        }
      }
    }
    return before.at(archive == "3dspring.vol" ? "3dpatch/3dspring.vol" : archive);
  }

  const std::vector<std::pair<std::string, std::vector<std::string>>> kPatches = {
      {"SpringMaps2", {"rb.vol", "3dspring.vol"}}, {"WinterMaps", {"rb.vol", "3dspring.vol"}}, {"FallMaps", {"rb.vol", "lowres.vol"}}};
  SampleGame game;
  Files before;
};

class RemovalOrder : public ::testing::TestWithParam<std::vector<int>> {};

TEST_P(RemovalOrder, EachRemovalPutsBackTheLayerBelowAndTheLastTheGamesOwn) {
  VolumeLayers layers;
  std::vector<std::string> active;
  for (const auto& patch : layers.kPatches) {
    const std::string& folder = patch.first;
    const JobOutcome outcome =
        layers.InHomeOf(folder, [&](EngineSession& e) { return Activate(e, "0099 " + folder, "0301"); });
    ASSERT_TRUE(outcome.Complete()) << folder << ": " << OutcomeText({}, outcome);
    active.push_back(folder);
  }
  for (int index : GetParam()) {
    const std::string folder = layers.kPatches[static_cast<std::size_t>(index)].first;
    const JobOutcome outcome =
        layers.InHomeOf(folder, [&](EngineSession& e) { return Deactivate(e, "0099_" + folder + "_vol_patch"); });
    EXPECT_TRUE(outcome.Complete()) << folder << ": " << OutcomeText({}, outcome);
    active.erase(std::find(active.begin(), active.end(), folder));
    const Files now = layers.game.Snapshot();
    for (const char* archive : {"rb.vol", "lowres.vol"}) {
      EXPECT_EQ(now.at(archive), layers.Expected(active, archive)) << archive << " after removing " << folder;
    }
    EXPECT_EQ(now.at("3dpatch/3dspring.vol"), layers.Expected(active, "3dspring.vol")) << "after removing " << folder;
  }
  const Files after = layers.game.Snapshot();
  EXPECT_TRUE(after == layers.before) << Difference(layers.before, after);
}

INSTANTIATE_TEST_SUITE_P(EveryOrder, RemovalOrder,
                         ::testing::Values(std::vector<int>{0, 1, 2}, std::vector<int>{0, 2, 1}, std::vector<int>{1, 0, 2},
                                           std::vector<int>{1, 2, 0}, std::vector<int>{2, 0, 1}, std::vector<int>{2, 1, 0}));

// A game update between install and removal: the new archive is not overwritten; it stays,
// the original stays kept beside it, and the outcome names it. The other archive comes back.
TEST(Ledger, AFileChangedSinceTheInstallIsKeptAndTheRemovalSaysSo) {
  SampleGame game;
  const Files before = game.Snapshot();
  EngineSession e;
  ASSERT_TRUE(Activate(e, "0099 SpringMaps", "0301").Complete());
  game.dir.write("game/rb.vol", "updated by the game");
  const JobOutcome outcome = Deactivate(e, "0099_SpringMaps_vol_patch");
  EXPECT_EQ(outcome.keptAsTheyAre, std::vector<std::string>{"..\\rb.vol"});
  EXPECT_FALSE(outcome.Complete());
  Files after = game.Snapshot();
  EXPECT_EQ(after.extract("rb.vol").mapped(), "updated by the game");
  EXPECT_EQ(after.extract("rb.vol.orig").mapped(), before.at("rb.vol"));
  Files rest = before;
  rest.erase("rb.vol");
  EXPECT_TRUE(after == rest) << Difference(rest, after);
}

// A removal that put the originals back but could not end (its marker stayed) is run again:
// the originals stay, where the old lines deleted them.
TEST(Ledger, ARemovalRunAgainAfterItPutTheOriginalsBackKeepsThem) {
  SampleGame game;
  const Files before = game.Snapshot();
  EngineSession e;
  ASSERT_TRUE(Activate(e, "0099 SpringMaps", "0301").Complete());
  const Files installed = game.Snapshot();
  ASSERT_TRUE(Deactivate(e, "0099_SpringMaps_vol_patch").Complete());
  for (const char* left : {"Simpatch/0099_SpringMaps_vol_patch.aop", "Simpatch/vantrel-files/ledger/0099_SpringMaps_vol_patch.txt"}) {
    game.dir.write(std::string("game/") + left, installed.at(left));
  }
  EXPECT_TRUE(Deactivate(e, "0099_SpringMaps_vol_patch").Complete());
  const Files after = game.Snapshot();
  EXPECT_TRUE(after == before) << Difference(before, after);
}

// The game's own slot file, plane bitmap and a model record tuned by hand, under two
// aircraft patches one after the other in the same slot and an object patch: all come back.
TEST(Ledger, TheGamesSlotFilesBitmapsAndRecordsComeBack) {
  SampleGame game;
  game.dir.write("game/Simpatch/0305abcd.bmp", "the game's own texture of 0305");
  game.dir.write("game/Simpatch/planep05.bmp", "the game's own plane bitmap of 0305");
  game.dir.write("game/Simpatch/0601abcd.bmp", "put there by hand");
  std::string tuned = game.dir.read("game/Simpatch/fmparam3.dat");
  tuned.replace(100 + 5 * 244, 244, std::string(244, 't'));
  game.dir.write("game/Simpatch/fmparam3.dat", tuned);
  const Files before = game.Snapshot();
  EngineSession e;
  e.s.fmdmChanging = true;
  e.s.fmVariantFlags = {true, true, true};
  ASSERT_TRUE(Activate(e, "031F FE2b Fighter", "0305").Complete());
  EXPECT_NE(game.Snapshot().at("Simpatch/fmparam3.dat"), tuned);
  ASSERT_TRUE(Activate(e, "0311 Camel Views", "0305").Complete());
  ASSERT_TRUE(Activate(e, "060E Big Tank", "0601").Complete());
  EXPECT_FALSE(game.Snapshot().contains("Simpatch/0305_FE2b Fighter.aop")) << "the second aircraft took the slot";
  for (const char* entry : {"0601_Big Tank", "0305_Camel Views"}) {
    const JobOutcome outcome = Deactivate(e, entry);
    EXPECT_TRUE(outcome.Complete()) << entry << ": " << OutcomeText({}, outcome);
  }
  const Files after = game.Snapshot();
  EXPECT_TRUE(after == before) << Difference(before, after);
}

// A job cut short is found from its entry: an install whose script ran to its end but was
// never checked is finished; one cut short in the middle of a copy, or never run, is undone,
// the cut archive replaced by the game's own.
TEST(Recovery, FinishesAnInstallThatRanAndUndoesOneCutShort) {
  const struct {
    const char* what;
    bool run;
    const char* cut;  // bytes a copy cut short left in ..\rb.vol
    const char* told;
  } kJobs[] = {
      {"ran", true, nullptr, "The install of SpringMaps into the game's archives was cut short after its last step; it is finished."},
      {"cut", false, "the first bytes of", "The install of SpringMaps into the game's archives was cut short; it is undone."},
      {"never run", false, nullptr, "The install of SpringMaps into the game's archives was never run; it is undone."},
  };
  for (const auto& job : kJobs) {
    SCOPED_TRACE(job.what);
    SampleGame game;
    const Files before = game.Snapshot();
    EngineSession e;
    e.SelectPatch("0099 SpringMaps");
    const JobPlan plan = WriteActivationScript(e.s);
    if (job.run) testing::RunScript(plan.script);
    if (job.cut) game.dir.write("game/rb.vol", job.cut);
    EXPECT_EQ(RecoverJobs(), std::vector<std::string>{job.told});
    EXPECT_TRUE(RecoverJobs().empty()) << "a second look finds nothing left";
    const Files after = game.Snapshot();
    if (job.run) {
      EXPECT_EQ(after.at("rb.vol"), before.at("Simpatch/SpringMaps/RB.VOL"));
      EXPECT_TRUE(Deactivate(e, "0099_SpringMaps_vol_patch").Complete());
    }
    const Files end = game.Snapshot();
    EXPECT_TRUE(end == before) << Difference(before, end);
  }
}

// A folder where the game's own archive would be kept: the install is refused, naming it,
// before anything is written.
TEST(Ledger, AFolderWhereTheOriginalWouldBeKeptRefusesTheInstall) {
  SampleGame game;
  std::filesystem::create_directory(game.dir.path() / "game" / "rb.vol.orig");
  const Files before = game.Snapshot();
  EngineSession e;
  e.SelectPatch("0099 SpringMaps");
  try {
    WriteActivationScript(e.s);
    ADD_FAILURE() << "the install went on";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("..\\rb.vol.orig"), std::string::npos) << error.what();
  }
  const Files after = game.Snapshot();
  EXPECT_TRUE(after == before) << Difference(before, after);
  EXPECT_FALSE(std::filesystem::exists(game.dir.path() / "game" / "Simpatch" / "0099.bat"));
}

}  // namespace
}  // namespace vantrel
