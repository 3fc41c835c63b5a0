// Jobs struck by ordinary faults, run by the real programs on the sample game: every game
// file that was there before is there afterwards with its original bytes, nothing outside
// the game is written, and a job that did not do all its work says so and leaves no marker.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "fault_disk.h"
#include "fault_programs.h"
#include "game_snapshot.h"
#include "platform/game_tree.h"
#include "temp_dir.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;

// A game whose archive rb.vol is large, with a volume patch that replaces only that one by
// one twice its size: a copy of the patch's archive made where the game's was (Windows'
// cmd) then needs room beyond what the old one frees, and while it is being written it
// is longer than the game's ever was.
void LargeArchives(const FaultGame& game, std::size_t size) {
  fs::remove(game.Work() / "SpringMaps/3DSpring.vol");
  WriteNoise(game.Game() / "rb.vol", size, 1);
  WriteNoise(game.Work() / "SpringMaps/RB.VOL", 2 * size, 2);
}

// Every file of `before` is there as it was, or (an archive the job did replace) kept whole
// as NAME.orig. The model files' records are the job's to change, and it does so before
// its script runs.
void ExpectOriginalsKept(const Snapshot& before, const Snapshot& after) {
  for (const auto& [name, bytes] : before) {
    if (name.starts_with("Simpatch/fm") || name.starts_with("Simpatch/acspecs")) continue;
    const auto kept = after.find(name);
    const auto backup = after.find(name + ".orig");
    EXPECT_TRUE((kept != after.end() && kept->second == bytes) || (backup != after.end() && backup->second == bytes))
        << name;
  }
}

// A removal after an install gives back the game as it was.
void ExpectRoundTripRestores(const FaultGame& game, const Snapshot& original) {
  const auto [installed, installErrors] = game.Cli({"activate", "SpringMaps", "0305"});
  ASSERT_EQ(installed, 0) << installErrors;
  EXPECT_TRUE(fs::exists(game.Game() / kVolumeMarker));
  const auto [removed, removeErrors] = game.Cli({"deactivate", "0099_SpringMaps_vol_patch"});
  ASSERT_EQ(removed, 0) << removeErrors;
  ExpectSameFiles(original, game.Files(), kBookkeeping);
}

// A job that fails is undone at once: the game's archive, moved aside for it, takes its name
// again.
TEST(DiskFull, AVolumeInstallThatRunsOutOfSpaceKeepsTheGamesArchive) {
  const struct {
    const char* what;
    double filler;  // of the free space, beside an archive of an eighth and its patch of a quarter
  } cases[] = {{"no room for the ledger", 0.6}, {"no room for the patch's archive", 0.435}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    FaultDisk disk(dir.path());
    if (!disk.WhyNot().empty()) GTEST_SKIP() << disk.WhyNot();
    FaultGame game(disk.Root());
    const std::size_t free = disk.Free();
    LargeArchives(game, free / 8);
    const Snapshot original = game.Files();
    WriteNoise(disk.Root() / "filler", static_cast<std::size_t>(static_cast<double>(free) * c.filler), 3);

    const auto [status, errors] = game.Cli({"activate", "SpringMaps", "0305"});
    EXPECT_EQ(status, 1) << errors;
    EXPECT_TRUE(Shows(errors, "..\\rb.vol") || Shows(errors, "There is not enough space on the disk.")) << errors;
    ExpectSameFiles(original, game.Files(), kBookkeeping);

    fs::remove(disk.Root() / "filler");
    ExpectRoundTripRestores(game, original);
  }
}

// A file that a copy into `folder` is writing, at least `bytes` long (one at the least): the
// temporary of our own whole copy, or `target` itself, written where it is by a shell
// whose copy is not.
bool BeingWritten(const fs::path& folder, const std::string& target, std::uintmax_t bytes) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = Utf8Name(entry.path().filename());
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(entry.path(), ec);
    const bool temporary = name.starts_with(".vantrel-") && name.ends_with(".tmp");
    if (!ec && size >= bytes && (temporary || name == target)) return true;
  }
  return false;
}

// Kills `program` once a copy into `folder` has written `bytes` (BeingWritten). False when
// it ended before that, so that nothing was struck.
bool KillWhenWritten(StruckProgram& program, const fs::path& folder, const std::string& target,
                     std::uintmax_t bytes, bool hard) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline && program.Running()) {
    if (BeingWritten(folder, target, bytes)) {
      program.Kill(hard);
      return program.EndedByKill();
    }
  }
  return false;
}

// How the job's shell is struck while it copies the patch's archive where the game's was.
struct KillPoint {
  const char* what;
  bool hard;    // killed outright, or asked to end
  double part;  // of the written file's length when it strikes
};

// Runs a volume install of a large archive and kills its shell at `point`. False when the
// copy was over before the kill could strike, so that nothing was tried.
bool KillDuringCopy(const KillPoint& point, std::size_t archive) {
  TempDir dir;
  FaultGame game(dir.path());
  LargeArchives(game, archive);
  const Snapshot original = game.Files();
  const auto bytes = std::max<std::uintmax_t>(1, static_cast<std::uintmax_t>(static_cast<double>(archive) * point.part));

  EXPECT_EQ(std::get<0>(game.Cli({"activate", "--no-run", "SpringMaps", "0305"})), 0);
  StruckProgram shell(JobShell(), {"/C", "0099.bat"}, game.Work());
  // Past the game archive's length: the patch's archive is being written.
  if (!KillWhenWritten(shell, game.Game(), "rb.vol", archive + bytes, point.hard)) return false;

  // No marker was made, and the game's archive is kept whole under its other name.
  const Snapshot after = game.Files();
  EXPECT_EQ(after.count(kVolumeMarker), 0u);
  EXPECT_EQ(after.at("rb.vol.orig"), original.at("rb.vol"));
  // The retry undoes the cut job, sweeps its copy's temporary away, installs whole, and the
  // removal restores.
  ExpectRoundTripRestores(game, original);
  return true;
}

TEST(KilledJob, ACopyCutShortNeverCostsTheGamesArchive) {
  constexpr std::size_t kArchive = std::size_t{64} << 20;
  const KillPoint points[] = {
      {"the shell killed halfway through the patch's archive", true, 0.5},
      {"the shell asked to end halfway through the patch's archive", false, 0.5},
  };
  for (const KillPoint& point : points) {
    SCOPED_TRACE(point.what);
    // A busy machine may let the copy finish between two looks at it.
    int tries = 0;
    while (!KillDuringCopy(point, kArchive) && ++tries < 5) {
    }
    EXPECT_LT(tries, 5) << "the copy always ended before the kill";
  }
}

// Links out of the game, one for each kind of write a job makes.
struct LinkCase {
  const char* link;  // in the game folder
  std::vector<std::string> activate;
  const char* refusedName;  // as the job names it
  bool copyRefused;  // a copy of the script's, refused before it runs: no script is left
};

TEST(LinkOutOfTheGame, NothingOutsideTheGameIsWritten) {
  const LinkCase cases[] = {
      {"Simpatch/planep05.bmp", {"activate", "FE2b Fighter", "0305"}, "planep05.bmp", true},
      {"rb.vol", {"activate", "SpringMaps", "0305"}, "..\\rb.vol", true},
      {"Simpatch/fmparams.dat", {"activate", "FE2b Fighter", "0305", "--fm", "S"}, "fmparams.dat", false},
  };
  for (const LinkCase& c : cases) {
    SCOPED_TRACE(c.link);
    TempDir dir;
    FaultGame game(dir.path());
    dir.write("outside/victim", "not the game's");
    fs::remove(game.Game() / c.link);
    ASSERT_TRUE(MakeLink(dir.path() / "outside/victim", game.Game() / c.link));
    const Snapshot original = game.Files();

    const auto [status, errors] = game.Cli(c.activate);
    EXPECT_EQ(status, 1) << errors;
    EXPECT_TRUE(Shows(errors, platform::LinkOutOfGameText(c.refusedName))) << errors;
    EXPECT_EQ(dir.read("outside/victim"), "not the game's");
    EXPECT_TRUE(IsLink(game.Game() / c.link));
    const Snapshot after = game.Files();
    EXPECT_EQ(after.count(kAircraftMarker) + after.count(kVolumeMarker), 0u);
    if (c.copyRefused) {  // none left that a player could run by hand
      EXPECT_EQ(after.count("Simpatch/0305.bat") + after.count("Simpatch/0099.bat"), 0u);
    }
    ExpectOriginalsKept(original, after);
  }
}

// A model file with a second name outside the game: its records are written in place, so they
// would change the file under that name too. The removal puts records back in place as well.
TEST(HardLinkedModelFile, NeitherAnInstallNorARemovalWritesThroughIt) {
  const std::vector<std::string> install = {"activate", "FE2b Fighter", "0305", "--fm", "S"};
  for (const bool installedBefore : {false, true}) {
    SCOPED_TRACE(installedBefore ? "deactivate" : "activate");
    TempDir dir;
    FaultGame game(dir.path());
    if (installedBefore) {
      ASSERT_EQ(std::get<0>(game.Cli(install)), 0);
    }
    const fs::path inGame = game.Work() / "fmparams.dat";
    const fs::path outside = dir.path() / "outside/fmparams.dat";
    fs::create_directories(outside.parent_path());
    fs::rename(inGame, outside);
    fs::create_hard_link(outside, inGame);
    const std::string outsideBytes = dir.read("outside/fmparams.dat");
    const Snapshot original = game.Files();

    const auto [status, errors] =
        game.Cli(installedBefore ? std::vector<std::string>{"deactivate", "0305_FE2b Fighter"} : install);
    EXPECT_EQ(status, 1) << errors;
    EXPECT_TRUE(Shows(errors, platform::HardLinkedText("fmparams.dat"))) << errors;
    EXPECT_TRUE(dir.read("outside/fmparams.dat") == outsideBytes) << "the file outside the game was written";
    ExpectSameFiles(original, game.Files(), kBookkeeping);
  }
}

// The game's own files are moved aside before the job's script is placed: one that cannot be
// moved refuses the job with nothing changed.
TEST(RefusedWrite, AnImmutableArchiveOrSlotFileRefusesTheJobAndKeepsTheFile) {
  struct Case {
    const char* file;
    std::vector<std::string> activate;
    const char* named;
  };
  const Case cases[] = {
      {"rb.vol", {"activate", "SpringMaps", "0305"}, "..\\rb.vol"},
      {"Simpatch/0305tex1.bmp", {"activate", "FE2b Fighter", "0305"}, "0305tex1.bmp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    TempDir dir;
    FaultGame game(dir.path());
    dir.write(fs::relative(game.Game() / c.file, dir.path()).string(), "the player's own file");
    Immutable locked(game.Game() / c.file);
    if (!locked.Set()) GTEST_SKIP() << "chattr +i needs root and a file system that keeps it";
    const Snapshot original = game.Files();

    const auto [status, errors] = game.Cli(c.activate);
    EXPECT_EQ(status, 1) << errors;
    EXPECT_TRUE(Shows(errors, std::string("File access denied: ") + c.named)) << errors;
    ExpectSameFiles(original, game.Files(), kBookkeeping);
  }
}

TEST(LongFolderName, APatchWhoseMarkerCannotBeNamedIsRefusedBeforeAnythingIsWritten) {
  TempDir dir;
  FaultGame game(dir.path());
  const std::string folder(250, 'L');
  fs::create_directory(game.Work() / folder);
  WriteFileBytes(game.Work() / folder / "031F9000.dml", "shape");
  const Snapshot original = game.Files();
  const auto [status, errors] = game.Cli({"activate", folder, "0305"});
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(Shows(errors, "too long for its activation marker")) << errors;
  EXPECT_TRUE(Shows(errors, folder)) << errors;
  ExpectSameFiles(original, game.Files(), kBookkeeping);
}

}  // namespace
}  // namespace vantrel::testing
