#include "game_snapshot.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <random>

#include "fault_programs.h"
#include "job_history_files.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel::testing {

namespace fs = std::filesystem;

Snapshot TakeSnapshot(const fs::path& folder) {
  // A patch folder may be named past the path limit: the test is that such a name is refused.
  const fs::path root = WithoutPathLimit(folder);
  Snapshot files;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    // By the name's text: the "\\?\" form has no relative path in std::filesystem's view.
    const std::string rel = Utf8Name(fs::path(it->path().native().substr(root.native().size() + 1)));
    if (it->is_symlink()) {
      files[rel] = "-> " + fs::read_symlink(it->path()).string();
      it.disable_recursion_pending();
    } else if (it->is_regular_file() && !IsJobHistoryRecord(it->path())) {
      files[rel] = ReadFileBytes(it->path());
    }
  }
  return files;
}

std::vector<std::string> FileDifferences(const Snapshot& before, const Snapshot& after,
                                         const std::set<std::string>& mayChange) {
  std::vector<std::string> differences;
  for (const auto& [name, bytes] : before) {
    if (mayChange.count(name)) continue;
    const auto found = after.find(name);
    if (found == after.end()) {
      differences.push_back(name + " is gone");
    } else if (found->second != bytes) {
      differences.push_back(name + " changed (" + std::to_string(bytes.size()) + " bytes before, " +
                            std::to_string(found->second.size()) + " after)");
    }
  }
  for (const auto& [name, bytes] : after) {
    if (!before.count(name) && !mayChange.count(name)) differences.push_back(name + " is new");
  }
  return differences;
}

void ExpectSameFiles(const Snapshot& before, const Snapshot& after, const std::set<std::string>& mayChange) {
  for (const std::string& difference : FileDifferences(before, after, mayChange)) ADD_FAILURE() << difference;
}

FaultGame::FaultGame(fs::path root) : root_(std::move(root)) {
  samplegame::LaySampleGame(Utf8Name(Game()));
}

std::tuple<int, std::string> FaultGame::Cli(const std::vector<std::string>& args) const {
  const ProgramResult run = RunOurs("vantrel-cli", args, Work());
  return {run.status, run.errors};
}

void WriteNoise(const fs::path& file, std::size_t size, unsigned seed) {
  std::mt19937_64 random(seed);
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i + 8 <= size; i += 8) {
    const std::uint64_t word = random();
    std::memcpy(bytes.data() + i, &word, 8);
  }
  WriteFileBytes(file, bytes);
}

}  // namespace vantrel::testing
