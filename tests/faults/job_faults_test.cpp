// Jobs struck by ordinary faults, run by the real programs on the sample game: every game
// file that was there before is there afterwards with its original bytes, nothing outside
// the game is written, and a job that did not do all its work says so and leaves no marker.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "game_snapshot.h"
#include "platform/game_tree.h"
#include "platform/process.h"
#include "small_disk.h"
#include "temp_dir.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kVolumeMarker[] = "Simpatch/0099_SpringMaps_vol_patch.aop";
constexpr char kAircraftMarker[] = "Simpatch/0305_FE2b Fighter.aop";
// What every run of the command line may write besides the job's own files.
const std::set<std::string> kBookkeeping = {"Simpatch/vantrel.scan.tmp", "Simpatch/vantrel.lock"};

std::set<std::string> With(std::set<std::string> names, std::initializer_list<std::string> more) {
  names.insert(more);
  return names;
}

bool Shows(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A game whose archive rb.vol is large, with a volume patch that replaces only that one.
void LargeArchives(const FaultGame& game, std::size_t size) {
  fs::remove(game.Work() / "SpringMaps/3DSpring.vol");
  WriteNoise(game.Game() / "rb.vol", size, 1);
  WriteNoise(game.Work() / "SpringMaps/RB.VOL", size, 2);
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

struct DiskFullCase {
  const char* what;
  double filler;  // of the free space, beside an archive and its patch of a fifth each
  bool backupMade;
};

TEST(DiskFull, AVolumeInstallThatRunsOutOfSpaceKeepsTheGamesArchive) {
  for (const DiskFullCase& c : {DiskFullCase{"no room for the backup", 0.45, false},
                                DiskFullCase{"no room for the patch's archive", 0.25, true}}) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    SmallDisk disk(dir.path() / "disk");
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
    FaultGame game(dir.path() / "disk");
    const std::size_t free = disk.Free();
    LargeArchives(game, free / 5);
    const Snapshot original = game.Files();
    WriteNoise(dir.path() / "disk/filler", static_cast<std::size_t>(static_cast<double>(free) * c.filler), 3);

    const auto [status, errors] = game.Cli({"activate", "SpringMaps", "0305"});
    EXPECT_EQ(status, 1) << errors;
    EXPECT_TRUE(Shows(errors, "..\\rb.vol")) << errors;
    const Snapshot after = game.Files();
    ExpectSameFiles(original, after, With(kBookkeeping, {"rb.vol.orig"}));
    EXPECT_EQ(after.count("rb.vol.orig"), c.backupMade ? 1u : 0u);
    if (c.backupMade) {
      EXPECT_EQ(after.at("rb.vol.orig"), original.at("rb.vol"));
    }

    fs::remove(dir.path() / "disk/filler");
    ExpectRoundTripRestores(game, original);
  }
}

// Waits until the job's temporary in `folder` holds at least `bytes`, then kills the job.
bool KillWhenTemporaryReaches(pid_t job, const fs::path& folder, std::uintmax_t bytes, int signal) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      std::error_code ec;
      if (name.starts_with(".vantrel-") && fs::file_size(entry.path(), ec) >= bytes && !ec) {
        ::kill(job, signal);
        return true;
      }
    }
    int status = 0;
    if (::waitpid(job, &status, WNOHANG) == job) return false;
  }
  ::kill(job, SIGKILL);
  ::waitpid(job, nullptr, 0);
  return false;
}

struct KillPoint {
  int signal;
  std::uintmax_t bytes;  // the temporary's size when it strikes
};

// Runs a volume install that backs up a large archive and kills it at `point`. False when
// the copy was over before the kill could strike, so that nothing was tried.
bool KillDuringBackup(const KillPoint point, std::size_t archive) {
  TempDir dir;
  FaultGame game(dir.path());
  LargeArchives(game, archive);
  const Snapshot original = game.Files();
  EXPECT_EQ(std::get<0>(game.Cli({"activate", "--no-run", "SpringMaps", "0305"})), 0);

  const pid_t job = ::fork();
  if (job == 0) {
    if (::chdir(game.Work().c_str()) != 0) ::_exit(126);
    const std::string shell = platform::OwnFolder() + "/vantrel-cmd";
    ::execl(shell.c_str(), shell.c_str(), "/C", "0099.bat", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  if (!KillWhenTemporaryReaches(job, game.Game(), point.bytes, point.signal)) return false;
  int status = 0;
  ::waitpid(job, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status));

  // The archive is the game's own, no backup was taken, no marker made: only the script
  // and the temporary of the killed copy are left.
  const Snapshot after = game.Files();
  EXPECT_EQ(after.at("rb.vol"), original.at("rb.vol"));
  EXPECT_EQ(after.count("rb.vol.orig"), 0u);
  EXPECT_EQ(after.count(kVolumeMarker), 0u);
  // The retry sweeps the dead job's temporary away, installs whole, and the removal restores.
  ExpectRoundTripRestores(game, original);
  return true;
}

TEST(KilledJob, ABackupCutShortIsNeverTakenForAWholeOne) {
  constexpr std::size_t kArchive = std::size_t{64} << 20;
  for (const KillPoint point : {KillPoint{SIGKILL, 1}, KillPoint{SIGTERM, kArchive / 2}}) {
    SCOPED_TRACE("signal " + std::to_string(point.signal) + " at " + std::to_string(point.bytes) + " bytes");
    // A busy machine may let the copy finish between two looks at its temporary.
    int tries = 0;
    while (!KillDuringBackup(point, kArchive) && ++tries < 5) {
    }
    EXPECT_LT(tries, 5) << "the copy always ended before the kill";
  }
}

// Links out of the game, one for each kind of write a job makes.
struct LinkCase {
  const char* link;  // in the game folder
  std::vector<std::string> activate;
  const char* refusedName;  // as the job names it
};

TEST(LinkOutOfTheGame, NothingOutsideTheGameIsWritten) {
  const LinkCase cases[] = {
      {"Simpatch/planep05.bmp", {"activate", "FE2b Fighter", "0305"}, "planep05.bmp"},
      {"rb.vol", {"activate", "SpringMaps", "0305"}, "..\\rb.vol"},
      {"Simpatch/fmparams.dat", {"activate", "FE2b Fighter", "0305", "--fm", "S"}, "fmparams.dat"},
  };
  for (const LinkCase& c : cases) {
    SCOPED_TRACE(c.link);
    TempDir dir;
    FaultGame game(dir.path());
    dir.write("outside/victim", "not the game's");
    fs::remove(game.Game() / c.link);
    fs::create_symlink(dir.path() / "outside/victim", game.Game() / c.link);
    const Snapshot original = game.Files();

    const auto [status, errors] = game.Cli(c.activate);
    EXPECT_EQ(status, 1) << errors;
    EXPECT_TRUE(Shows(errors, platform::LinkOutOfGameText(c.refusedName))) << errors;
    EXPECT_EQ(dir.read("outside/victim"), "not the game's");
    EXPECT_TRUE(fs::is_symlink(game.Game() / c.link));
    const Snapshot after = game.Files();
    EXPECT_EQ(after.count(kAircraftMarker) + after.count(kVolumeMarker), 0u);
    ExpectOriginalsKept(original, after);
  }
}

TEST(RefusedWrite, AnImmutableArchiveOrAReadOnlySlotFileFailsTheJobAndKeepsTheFile) {
  struct Case {
    const char* file;
    std::vector<std::string> activate;
    const char* marker;
    bool immutable;
  };
  const Case cases[] = {
      {"rb.vol", {"activate", "SpringMaps", "0305"}, kVolumeMarker, true},
      {"Simpatch/0305tex1.bmp", {"activate", "FE2b Fighter", "0305"}, kAircraftMarker, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    TempDir dir;
    FaultGame game(dir.path());
    dir.write(fs::relative(game.Game() / c.file, dir.path()).string(), "the player's own file");
    if (!c.immutable) fs::permissions(game.Game() / c.file, fs::perms(0444));
    Immutable locked(game.Game() / c.file);
    if (c.immutable && !locked.Set()) GTEST_SKIP() << "chattr +i needs root and a file system that keeps it";
    const Snapshot original = game.Files();

    const auto [status, errors] = game.Cli(c.activate);
    EXPECT_EQ(status, 1) << errors;
    EXPECT_TRUE(Shows(errors, "failed; the job did not do all its work")) << errors;
    EXPECT_TRUE(Shows(errors, "not in place")) << errors;
    const Snapshot after = game.Files();
    EXPECT_EQ(after.at(c.file), "the player's own file");
    EXPECT_EQ(after.count(c.marker), 0u);
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
