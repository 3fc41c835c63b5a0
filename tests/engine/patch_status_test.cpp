// Status and repair on the sample game: a hand edit, a deleted file and a game update, each
// named as the job scripts name the file, and each put back without losing a byte that no
// patch of ours put there.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <system_error>

#include "engine/patch_status.h"
#include "engine/repair.h"
#include "engine_session.h"
#include "platform/errors.h"
#include "sample_game_fixture.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::Activate;
using testing::Deactivate;
using testing::EngineSession;
using testing::Files;
using testing::SampleGame;

constexpr const char* kTank = "0601_Big Tank";
constexpr const char* kMaps = "0099_SpringMaps_vol_patch";
constexpr const char* kFighter = "0305_FE2b Fighter";

// The sample game with an aircraft (FM/DM on), an object and a volume patch installed.
struct InstalledGame {
  InstalledGame() {
    before = game.Snapshot();
    e.s.fmdmChanging = true;
    e.s.fmVariantFlags = {true, false, true};
    for (const auto& [line, slot] : {std::pair{"031F FE2b Fighter", "0305"}, {"060E Big Tank", "0601"}, {"0099 SpringMaps", "0301"}}) {
      EXPECT_TRUE(Activate(e, line, slot).Complete()) << line;
    }
  }

  // The problems of each patch that has some, by entry.
  std::map<std::string, std::vector<std::string>> Problems() const {
    std::map<std::string, std::vector<std::string>> problems;
    for (const PatchStatus& patch : CheckGameStatus(e.s.cat).patches) {
      if (!patch.InPlace()) problems[patch.patch.entry] = patch.Problems();
    }
    return problems;
  }

  // Every file of the game written an hour ago: a file of that age is one the cache keeps.
  void Settle() const {
    for (const auto& entry : fs::recursive_directory_iterator(game.dir.path() / "game")) {
      if (entry.is_regular_file()) fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
  }

  SampleGame game;
  EngineSession e;
  Files before;
};

struct Breakage {
  const char* what;
  std::function<void(const testing::TempDir&)> make;
  const char* entry;
  const char* problem;
  const char* keptAs;  // where the repair keeps the changed file; null for a missing one
  const char* changed;  // its bytes
};

const Breakage kBreakages[] = {
    {"a hand edit", [](const testing::TempDir& dir) { dir.write("game/Simpatch/06019000.dml", "edited by hand"); }, kTank,
     "changed: .\\06019000.dml", "game/Simpatch/06019000.dml.changed", "edited by hand"},
    {"a deleted file", [](const testing::TempDir& dir) { fs::remove(dir.path() / "game/Simpatch/win105.bmp"); }, kFighter,
     "missing: win105.bmp", nullptr, nullptr},
    {"a game update", [](const testing::TempDir& dir) { dir.write("game/rb.vol", "the game's updated archive"); }, kMaps,
     "changed: ..\\rb.vol", "game/rb.vol.changed", "the game's updated archive"},
};

TEST(PatchStatus, NamesEachBreakageAndRepairPutsItBackKeepingWhatItFound) {
  for (const Breakage& breakage : kBreakages) {
    SCOPED_TRACE(breakage.what);
    InstalledGame installed;
    EXPECT_TRUE(installed.Problems().empty());
    const Files intact = installed.game.Snapshot();
    breakage.make(installed.game.dir);

    using Problems = std::map<std::string, std::vector<std::string>>;
    EXPECT_EQ(installed.Problems(), (Problems{{breakage.entry, {breakage.problem}}}));

    const std::optional<RepairJob> repair = WriteRepairScript(installed.e.s, breakage.entry);
    ASSERT_TRUE(repair);
    EXPECT_TRUE(testing::RunJob(repair->plan).Complete());
    EXPECT_TRUE(installed.Problems().empty());
    Files repaired = installed.game.Snapshot();
    if (breakage.keptAs) {
      EXPECT_EQ(repaired[std::string(breakage.keptAs).substr(5)], breakage.changed);
      repaired.erase(std::string(breakage.keptAs).substr(5));
    }
    // The ledger's entry is written anew; every file of the game, originals kept included, is as installed.
    for (Files* files : {&repaired, const_cast<Files*>(&intact)}) {
      std::erase_if(*files, [](const auto& file) { return file.first.starts_with("Simpatch/vantrel-files/"); });
    }
    EXPECT_EQ(repaired, intact) << testing::Difference(intact, repaired);

    for (const char* entry : {kTank, kMaps, kFighter}) EXPECT_TRUE(Deactivate(installed.e, entry).Complete()) << entry;
    Files after = installed.game.Snapshot();
    if (breakage.keptAs) after.erase(std::string(breakage.keptAs).substr(5));
    std::erase_if(after, [](const auto& file) { return file.first.starts_with("Simpatch/vantrel-files/ledger") ||
                                                       file.first == "Simpatch/vantrel-files/hashes.txt"; });
    EXPECT_EQ(after, installed.before) << testing::Difference(installed.before, after);
  }
}

TEST(PatchStatus, ReadsEachFileOnceAndThenOnlyWhatChanged) {
  InstalledGame installed;
  installed.Settle();
  const GameStatus first = CheckGameStatus(installed.e.s.cat);
  std::size_t files = 0;  // that are there: a file an install took away has nothing to read
  for (const PatchStatus& patch : first.patches) {
    for (const LedgerFile& file : patch.patch.record->files) {
      std::string path = file.target;
      std::replace(path.begin(), path.end(), '\\', '/');
      files += fs::exists(path) ? 1 : 0;
    }
  }
  EXPECT_GT(files, 10u);
  EXPECT_EQ(first.filesRead, files);
  EXPECT_EQ(CheckGameStatus(installed.e.s.cat).filesRead, 0u);

  installed.game.dir.write("game/Simpatch/06019000.dts", "edited by hand");
  const GameStatus edited = CheckGameStatus(installed.e.s.cat);
  EXPECT_EQ(edited.filesRead, 1u);
  EXPECT_FALSE(edited.AllInPlace());
}

TEST(PatchStatus, TellsAFileItCouldNotLookAtAndAMarkerWithoutARecord) {
  InstalledGame installed;
  installed.game.dir.write("game/Simpatch/0612_By Hand.aop", "Active");
  fs::remove(installed.game.dir.path() / "game/Simpatch/06019000.dml");
  std::error_code made;
  fs::create_symlink("06019000.dml", installed.game.dir.path() / "game/Simpatch/06019000.dml", made);
  if (made) GTEST_SKIP() << "no symbolic link to loop through here: " << made.message();

  const auto problems = installed.Problems();
  EXPECT_EQ(problems.at("0612_By Hand"), std::vector<std::string>{"no ledger record"});
  ASSERT_EQ(problems.at(kTank).size(), 1u);
  EXPECT_TRUE(problems.at(kTank)[0].starts_with("could not look: .\\06019000.dml (")) << problems.at(kTank)[0];
  EXPECT_THROW(WriteRepairScript(installed.e.s, kTank), Error);
}

TEST(PatchStatus, RepairRefusesWhatItCannotDoAndChangesNothing) {
  InstalledGame installed;
  fs::remove(installed.game.dir.path() / "game/Simpatch/0601tex1.bmp");
  fs::rename(installed.game.dir.path() / "game/Simpatch/Big Tank", installed.game.dir.path() / "game/Simpatch/Moved");
  const Files broken = installed.game.Snapshot();
  const struct {
    const char* entry;
    const char* says;
  } refusals[] = {{kTank, "The patch folder of 0601_Big Tank is gone: Big Tank. Nothing was changed."},
                  {"0612_Not Here", "There is no active patch 0612_Not Here."}};
  for (const auto& refusal : refusals) {
    try {
      WriteRepairScript(installed.e.s, refusal.entry);
      ADD_FAILURE() << refusal.entry << " repaired";
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()), refusal.says);
    }
  }
  EXPECT_EQ(installed.game.Snapshot(), broken);
  EXPECT_FALSE(WriteRepairScript(installed.e.s, kMaps)) << "in place: nothing to repair";
}

}  // namespace
}  // namespace vantrel
