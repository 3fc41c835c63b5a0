#include "game_snapshot.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>

#include "platform/process.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel::testing {

namespace fs = std::filesystem;

namespace {

std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

Snapshot TakeSnapshot(const fs::path& root) {
  Snapshot files;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    const std::string rel = fs::relative(it->path(), root).string();
    if (it->is_symlink()) {
      files[rel] = "-> " + fs::read_symlink(it->path()).string();
      it.disable_recursion_pending();
    } else if (it->is_regular_file()) {
      files[rel] = ReadFileBytes(it->path());
    }
  }
  return files;
}

void ExpectSameFiles(const Snapshot& before, const Snapshot& after, const std::set<std::string>& mayChange) {
  for (const auto& [name, bytes] : before) {
    if (mayChange.count(name)) continue;
    const auto found = after.find(name);
    if (found == after.end()) {
      ADD_FAILURE() << name << " is gone";
    } else if (found->second != bytes) {
      ADD_FAILURE() << name << " changed (" << bytes.size() << " bytes before, " << found->second.size() << " after)";
    }
  }
  for (const auto& [name, bytes] : after) {
    if (!before.count(name) && !mayChange.count(name)) ADD_FAILURE() << name << " is new";
  }
}

FaultGame::FaultGame(fs::path root) : root_(std::move(root)) {
  samplegame::LaySampleGame(Game().string());
}

std::tuple<int, std::string> FaultGame::Cli(const std::vector<std::string>& args) const {
  const fs::path errors = root_ / "cli-errors.txt";
  std::string line = "cd " + ShellQuoted(Work().string()) + " && " + ShellQuoted(platform::OwnFolder() + "/vantrel-cli");
  for (const std::string& arg : args) line += " " + ShellQuoted(arg);
  line += " </dev/null >/dev/null 2>" + ShellQuoted(errors.string());
  const int status = std::system(line.c_str());
  std::string err = fs::exists(errors) ? ReadFileBytes(errors) : "";
  fs::remove(errors);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err};
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
