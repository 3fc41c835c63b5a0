// A 200 MB zip of 2,000 entries, its patch at the top, unpacked by ExtractPatchFolder (the
// look inside included, as add does it) and by bsdtar -xf into a fresh folder, alternating in
// the same run. Each run starts with the page cache flushed of dirty pages, so neither side
// pays for the other's writes; ours also makes its folder durable before it is put in place,
// which bsdtar does not.
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "archive/patch_archive.h"
#include "../verdict.h"

namespace {

using vantrel::bench::Median;

namespace fs = std::filesystem;

void WriteNoise(const fs::path& file, std::size_t size, std::uint64_t state) {
  std::vector<std::uint64_t> words(size / 8 + 1);
  state |= 1;
  for (auto& word : words) {  // xorshift: data no compressor shrinks
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    word = state;
  }
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(words.data()),
                                                                static_cast<std::streamsize>(size));
}

void Run(const std::string& command) {
  const int status = std::system(command.c_str());
  if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "failed (%d): %s\n", status, command.c_str());
    std::exit(1);
  }
}

template <typename Work>
double Seconds(Work work) {
  Run("sync");
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}


}  // namespace

int main(int argc, char** argv) {
  const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 200;
  const std::size_t entries = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 2000;
  constexpr int kRounds = 5;
  const fs::path folder = fs::temp_directory_path() / "vantrel-archive-bench";
  fs::remove_all(folder);
  const fs::path source = folder / "source";
  fs::create_directories(source);
  std::ofstream(source / "03059000.dml") << "shape";
  const std::size_t each = (megabytes << 20) / (entries - 1);
  for (std::size_t i = 1; i < entries; ++i) {
    const fs::path sub = source / ("tex" + std::to_string(i % 20));
    fs::create_directories(sub);
    WriteNoise(sub / ("file" + std::to_string(i) + ".bmp"), each, i);
  }
  const fs::path zip = folder / "patch.zip";
  Run("cd '" + source.string() + "' && bsdtar -a -cf '" + zip.string() + "' .");
  const fs::path work = folder / "game/Work";
  fs::create_directories(work);
  fs::current_path(work);

  std::vector<double> ours;
  std::vector<double> bsdtar;
  for (int round = 0; round < kRounds; ++round) {
    fs::remove_all(work / "Patch");
    fs::remove_all(folder / "bsdtar");
    fs::create_directories(folder / "bsdtar");
    bsdtar.push_back(Seconds([&] { Run("bsdtar -xf '" + zip.string() + "' -C '" + (folder / "bsdtar").string() + "'"); }));
    ours.push_back(Seconds([&] {
      const auto found = vantrel::archive::FindPatchFolders(zip.string());
      vantrel::archive::ExtractPatchFolder(zip.string(), found.at(0), "Patch");
    }));
  }
  const double mb = static_cast<double>(each * (entries - 1)) / (1 << 20);
  const double oursRate = mb / Median(ours);
  const double bsdtarRate = mb / Median(bsdtar);
  std::printf("unpacking a %.0f MB zip of %zu entries, %d rounds each, alternating (median):\n", mb, entries, kRounds);
  std::printf("  ExtractPatchFolder  %7.3f s  %7.1f MB/s\n", Median(ours), oursRate);
  std::printf("  bsdtar -xf          %7.3f s  %7.1f MB/s\n", Median(bsdtar), bsdtarRate);
  std::printf("  ratio               %7.2fx of bsdtar's throughput\n", oursRate / bsdtarRate);
  vantrel::bench::PrintVerdict("archive add, 200 MB zip", vantrel::bench::Figure(oursRate, "MB/s"),
                               vantrel::bench::Figure(bsdtarRate, "MB/s bsdtar"), oursRate / bsdtarRate,
                               vantrel::bench::Bound::AtLeast, 0.8);
  fs::current_path(folder.parent_path());
  fs::remove_all(folder);
  return 0;
}
