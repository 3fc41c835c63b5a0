#pragma once
// A working folder game/Work, made the current folder, and archives written beside the game
// in downloads/, as a player's browser leaves them.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "archive_maker.h"
#include "temp_dir.h"

namespace vantrel::testing {

class ArchiveFixture {
 public:
  ArchiveFixture() {
    dir.mkdir("game/Work");
    dir.mkdir("downloads");
    std::filesystem::current_path(dir.path() / "game/Work");
  }

  std::filesystem::path Work() const { return dir.path() / "game/Work"; }

  // downloads/NAME, written in `format`, as the archive layer takes paths: UTF-8. NAME
  // (UTF-8) carries no extension.
  std::string Archive(const std::string& name, Format format, const std::vector<Entry>& entries) const {
    const std::string leaf = name + ExtensionOf(format);
    const std::filesystem::path file = dir.path() / "downloads" / std::u8string(leaf.begin(), leaf.end());
    MakeArchive(file, format, entries);
    const std::u8string text = file.u8string();
    return {text.begin(), text.end()};
  }

  // Every entry below `root`, folders and hidden entries included, "/" separated.
  static std::set<std::string> Listing(const std::filesystem::path& root) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
      names.insert(entry.path().lexically_relative(root).generic_string());
    }
    return names;
  }
  std::set<std::string> WorkListing() const { return Listing(Work()); }

  TempDir dir;
};

// Bytes that differ from position to position, so that a piece written in the wrong place shows.
inline std::string Varied(std::size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  unsigned state = seed * 2654435761u + 1;
  for (char& c : bytes) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 16);
  }
  return bytes;
}

}  // namespace vantrel::testing
