#pragma once
// What the benchmarks that run our programs need: a scratch folder, vantrel-cmd from beside
// the benchmark, a large archive of bytes no file system can compress or share, and the
// wall time of a command run through sh.
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vantrel::bench {

namespace fs = std::filesystem;

inline fs::path ShellProgram() { return fs::read_symlink("/proc/self/exe").parent_path() / "vantrel-cmd"; }

inline fs::path ScratchFolder(const char* name) {
  const fs::path folder = fs::temp_directory_path() / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

inline void WriteArchive(const fs::path& file, std::size_t megabytes, std::uint64_t seed = 0x9E3779B97F4A7C15ull) {
  std::vector<std::uint64_t> block((1 << 20) / sizeof(std::uint64_t));
  std::uint64_t state = seed;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (std::size_t mb = 0; mb < megabytes; ++mb) {
    for (auto& word : block) {  // xorshift
      state ^= state << 13;
      state ^= state >> 7;
      state ^= state << 17;
      word = state;
    }
    out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size() * 8));
  }
}

inline void WriteText(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

// Seconds taken by `command`, run by sh in `folder`; the benchmark stops if it fails.
inline double TimedSeconds(const fs::path& folder, const std::string& command) {
  const std::string line = "cd '" + folder.string() + "' && " + command;
  const auto start = std::chrono::steady_clock::now();
  const int status = std::system(line.c_str());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "failed (%d): %s\n", status, line.c_str());
    std::exit(1);
  }
  return seconds;
}

}  // namespace vantrel::bench
