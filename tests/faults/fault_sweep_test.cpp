// Every call by which a job changes a file, struck in turn by strace: an I/O error, a full
// disk, or a kill at that call, for installs and removals of each kind of patch and for an
// archive's unpacking. After each, the command run again plainly (and a removal after an
// install) must leave the game exactly as the plain commands do, a command that exited 0 must
// have done all its work, and nothing beside the game may be written. POSIX's: strace strikes
// the calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <map>
#include <optional>

#include "archive_maker.h"
#include "failing_calls.h"
#include "fault_programs.h"
#include "game_snapshot.h"
#include "platform/process.h"
#include "scoped_env.h"
#include "temp_dir.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;

// What may change a file, by strace's names; a call the programs never make is never struck.
constexpr char kChangingCalls[] =
    "write,writev,pwrite64,pwritev,rename,renameat,renameat2,unlink,unlinkat,rmdir,fsync,fdatasync,"
    "open,openat,creat,mkdir,mkdirat,link,linkat,symlink,symlinkat,truncate,ftruncate,copy_file_range,sendfile";
const char* const kFaults[] = {"error=EIO", "error=ENOSPC", "signal=KILL"};
// Every one of a process's first calls of a kind is struck, then every few and the last, which
// keeps the sweep to a few minutes.
constexpr int kEveryCallUpTo = 40;
constexpr int kThenEvery = 4;

struct Operation {
  const char* name;
  std::vector<std::string> setUp;    // run plainly before the struck command
  std::vector<std::string> command;  // struck, then run again plainly
  std::vector<std::string> undo;     // run plainly after it, to give back the game it found
};

void PrintTo(const Operation& op, std::ostream* out) { *out << op.name; }

struct FaultPoint {
  std::string program;
  std::string call;
  int nth;
  const char* fault;
  std::string Name() const { return program + " " + call + " #" + std::to_string(nth) + " " + fault; }
};

// What the tool keeps for itself in the game, which the comparisons pass over.
bool Bookkeeping(const std::string& name) {
  const std::string leaf = fs::path(name).filename().string();
  return name == "Simpatch/vantrel.scan.tmp" || name == "Simpatch/.vantrel.scan.new" ||
         name == "Simpatch/vantrel.lock" || name == "Simpatch/vantrel-files/vantrel-jobs.log" ||
         name.starts_with("Simpatch/vantrel-files/ledger/") ||
         (leaf.starts_with(".vantrel-") && leaf.ends_with(".tmp"));
}

std::string Joined(const std::vector<std::string>& parts, const char* between) {
  std::string text;
  for (const std::string& part : parts) text.append(text.empty() ? "" : between).append(part);
  return text;
}

// The sample game at ROOT/game with what lies beside it: a folder no job may touch, the
// archive to add, and ROOT/tmp, the temporary folder of every program run, left empty.
class SweptGame {
 public:
  SweptGame() : game_(dir_.path()) {
    fs::create_directory(dir_.path() / "beside");
    WriteFileBytes(dir_.path() / "beside" / "sentinel", "no job writes here");
    MakeArchive(dir_.path() / "Red Tank.zip", Format::Zip,
                {{"06019000.dml", "a red tank"}, {"06019000.dts", std::string(3000, 'd')}, {"0601tex1.bmp", "BM"}});
    fs::create_directory(dir_.path() / "tmp");
    tmp_.emplace("TMPDIR", (dir_.path() / "tmp").c_str());
  }

  fs::path Work() const { return game_.Work(); }
  Snapshot Game() const {
    Snapshot files = game_.Files();
    std::erase_if(files, [](const auto& entry) { return Bookkeeping(entry.first); });
    return files;
  }
  Snapshot Beside() const {
    Snapshot files = TakeSnapshot(dir_.path());
    std::erase_if(files, [](const auto& entry) { return entry.first.starts_with("game/"); });
    return files;
  }
  ProgramResult Plain(const std::vector<std::string>& args) const { return RunOurs("vantrel-cli", args, Work()); }

 private:
  TempDir dir_;
  FaultGame game_;
  std::optional<ScopedEnv> tmp_;
};

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

std::string Quoted(const std::string& word) { return "'" + word + "'"; }

// The command with `point` struck: vantrel-cli under strace, or, for its job shell, a copy of
// vantrel-cli in `shells` whose vantrel-cmd beside it runs the real one under strace.
ProgramResult RunStruck(const SweptGame& game, const std::vector<std::string>& command, const FaultPoint& point,
                        const fs::path& shells) {
  const std::vector<std::string> strike = StruckCall(point.call, point.fault, point.nth);
  if (point.program == "vantrel-cli") return RunOursUnder(strike, "vantrel-cli", command, game.Work());
  std::string script = "#!/bin/sh\nexec";
  for (const std::string& word : strike) script.append(" ").append(Quoted(word));
  script.append(" ").append(Quoted(JobShell())).append(" \"$@\"\n");
  WriteFileBytes(shells / "vantrel-cmd", script);
  fs::permissions(shells / "vantrel-cmd", fs::perms::owner_all);
  return RunOurs((shells / "vantrel-cli").string(), command, game.Work());
}

struct Outcome {
  std::string problem;              // what went wrong, "" when nothing did
  bool failedWithWorkDone = false;  // a failure told after the last of the job's work
};

// What came of striking `point`. `before` is the game the command finds, `done` the game it
// leaves when nothing is struck.
Outcome Strike(const Operation& op, const FaultPoint& point, const Snapshot& before, const Snapshot& done,
               const fs::path& shells) {
  SweptGame game;
  if (!op.setUp.empty()) {
    const ProgramResult setUp = game.Plain(op.setUp);
    if (setUp.status != 0) return {"set-up failed: " + setUp.errors};
  }
  const Snapshot beside = game.Beside();
  std::vector<std::string> problems;
  const ProgramResult struck = RunStruck(game, op.command, point, shells);
  const std::vector<std::string> unfinished = FileDifferences(done, game.Game());
  if (struck.status == 0 && !unfinished.empty()) {
    problems.push_back("exited 0 without all its work done: " + Joined(unfinished, ", "));
  }
  // A job cut short is finished or undone by the same command run again.
  if (!unfinished.empty()) {
    const ProgramResult retry = game.Plain(op.command);
    const std::vector<std::string> left = FileDifferences(done, game.Game());
    if (retry.status != 0) {
      problems.push_back("the retry exited " + std::to_string(retry.status) + ": " + FirstLine(retry.errors));
    } else if (!left.empty()) {
      problems.push_back("the retry exited 0 without all its work done: " + Joined(left, ", "));
    }
  }
  if (!op.undo.empty()) {
    const ProgramResult undo = game.Plain(op.undo);
    if (undo.status != 0) {
      problems.push_back("the removal exited " + std::to_string(undo.status) + ": " + FirstLine(undo.errors));
    }
    if (const auto lost = FileDifferences(before, game.Game()); !lost.empty()) {
      problems.push_back("after the removal: " + Joined(lost, ", "));
    }
  }
  if (const auto outside = FileDifferences(beside, game.Beside()); !outside.empty()) {
    problems.push_back("beside the game: " + Joined(outside, ", "));
  }
  std::string told = Joined(problems, "; ");
  if (!told.empty()) {
    told.append(" [struck run exited " + std::to_string(struck.status) + ": " + FirstLine(struck.errors) + "]");
  }
  return {told, struck.status != 0 && unfinished.empty()};
}

// The calls' numbers struck of `count` calls.
std::vector<int> Struck(int count) {
  std::vector<int> numbers;
  for (int nth = 1; nth <= count; nth += nth < kEveryCallUpTo ? 1 : kThenEvery) numbers.push_back(nth);
  if (!numbers.empty() && numbers.back() != count) numbers.push_back(count);
  return numbers;
}

class FaultSweep : public ::testing::TestWithParam<Operation> {};

TEST_P(FaultSweep, NoStruckCallCostsAFileOrPassesForSuccess) {
  if (const std::string why = WhyStraceCannotStrike(); !why.empty()) GTEST_SKIP() << why;
  const Operation& op = GetParam();
  TempDir shells;
  fs::copy_file(platform::OwnFolder() + "/vantrel-cli", shells.path() / "vantrel-cli");

  // The plain run: what it leaves, and how many calls each of its programs makes.
  Snapshot before;
  Snapshot done;
  CallCounts counts;
  {
    SweptGame game;
    const Snapshot original = game.Game();
    if (!op.setUp.empty()) {
      ASSERT_EQ(game.Plain(op.setUp).status, 0);
    }
    before = game.Game();
    const ProgramResult counted = RunOursUnder(CountingCalls(kChangingCalls, shells.path() / "calls.log"),
                                               "vantrel-cli", op.command, game.Work());
    ASSERT_EQ(counted.status, 0) << counted.errors;
    done = game.Game();
    counts = CountedCalls(shells.path() / "calls.log");
    // A removal gives back the game its install found.
    if (!op.setUp.empty()) ExpectSameFiles(original, done);
    if (!op.undo.empty()) {
      ASSERT_EQ(game.Plain(op.undo).status, 0);
      ExpectSameFiles(before, game.Game());
    }
  }
  ASSERT_EQ(counts.count("vantrel-cli"), 1u);

  std::vector<FaultPoint> points;
  for (const auto& [program, calls] : counts) {
    if (program != "vantrel-cli" && program != "vantrel-cmd") ADD_FAILURE() << "a program not swept: " << program;
    for (const auto& [call, count] : calls) {
      for (const int nth : Struck(count)) {
        for (const char* fault : kFaults) points.push_back({program, call, nth, fault});
      }
    }
  }

  const auto start = std::chrono::steady_clock::now();
  int failed = 0;
  // Not a fault, but worth a look: by program and call.
  std::map<std::string, int> failedWithWorkDone;
  for (const FaultPoint& point : points) {
    const auto [problem, workDone] = Strike(op, point, before, done, shells.path());
    if (workDone) ++failedWithWorkDone[point.program + " " + point.call];
    if (problem.empty()) continue;
    ++failed;
    ADD_FAILURE() << op.name << ", " << point.Name() << ": " << problem;
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << op.name << ": " << points.size() << " fault points struck in " << seconds << " s, " << failed
            << " failed. Told a failure with all their work done:";
  for (const auto& [where, count] : failedWithWorkDone) std::cout << " " << where << " x" << count;
  std::cout << "\n";
}

const Operation kOperations[] = {
    {"VolumeInstall", {}, {"activate", "SpringMaps", "0305"}, {"deactivate", "0099_SpringMaps_vol_patch"}},
    {"VolumeRemoval", {"activate", "SpringMaps", "0305"}, {"deactivate", "0099_SpringMaps_vol_patch"}, {}},
    {"AircraftInstall", {}, {"activate", "FE2b Fighter", "0305", "--fm", "S,2,3"}, {"deactivate", "0305_FE2b Fighter"}},
    {"AircraftRemoval", {"activate", "FE2b Fighter", "0305", "--fm", "S,2,3"}, {"deactivate", "0305_FE2b Fighter"}, {}},
    {"ObjectInstall", {}, {"activate", "Big Tank", "0601"}, {"deactivate", "0601_Big Tank"}},
    {"ObjectRemoval", {"activate", "Big Tank", "0601"}, {"deactivate", "0601_Big Tank"}, {}},
    // The archive lies beside the game, as a download does.
    {"ArchiveAdd", {}, {"add", "../../Red Tank.zip"}, {}},
};

INSTANTIATE_TEST_SUITE_P(EveryJob, FaultSweep, ::testing::ValuesIn(kOperations),
                         [](const ::testing::TestParamInfo<Operation>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantrel::testing
