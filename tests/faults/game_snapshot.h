#pragma once
// The sample game laid out for a fault test, and every file of it as it was, to compare
// byte for byte once the fault has struck.
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace vantrel::testing {

// The markers of the sample game's aircraft and volume patches, as a snapshot names them.
inline constexpr char kAircraftMarker[] = "Simpatch/0305_FE2b Fighter.aop";
inline constexpr char kVolumeMarker[] = "Simpatch/0099_SpringMaps_vol_patch.aop";
// What every run of the command line may write besides the job's own files.
inline const std::set<std::string> kBookkeeping = {"Simpatch/vantrel.scan.tmp", "Simpatch/vantrel.lock"};

// Whether an error output says `part`.
inline bool Shows(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Every entry under a folder: a file's bytes, or "-> TARGET" for a symbolic link. Folders
// are not entries of their own, nor are the job history's records.
using Snapshot = std::map<std::string, std::string>;
Snapshot TakeSnapshot(const std::filesystem::path& root);

// One line for each entry of `before` that is gone or changed and each new entry, except
// those named in `mayChange`.
std::vector<std::string> FileDifferences(const Snapshot& before, const Snapshot& after,
                                         const std::set<std::string>& mayChange = {});
// Fails the test for each of those.
void ExpectSameFiles(const Snapshot& before, const Snapshot& after, const std::set<std::string>& mayChange = {});

// The sample game at ROOT/game, its working folder ROOT/game/Simpatch, run with the real
// programs the way a player runs them.
class FaultGame {
 public:
  explicit FaultGame(std::filesystem::path root);

  std::filesystem::path Game() const { return root_ / "game"; }
  std::filesystem::path Work() const { return Game() / "Simpatch"; }
  Snapshot Files() const { return TakeSnapshot(Game()); }

  // vantrel-cli ARGS... run in Simpatch: exit status and error output.
  std::tuple<int, std::string> Cli(const std::vector<std::string>& args) const;

 private:
  std::filesystem::path root_;
};

// A file of `size` bytes that no two positions of which are likely to match.
void WriteNoise(const std::filesystem::path& file, std::size_t size, unsigned seed);

}  // namespace vantrel::testing
