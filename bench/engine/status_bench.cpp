// vantrel-cli status over 1,024 active patches of 20 files each, their hashes known from an
// earlier check, against a baseline that looks at every file once with a plain stat().
// Uncached, the check reads each file once; that figure is told beside.
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/content_hash.h"
#include "engine/ledger.h"
#include "engine/patch_status.h"
#include "engine/session.h"
#include "samplegame/disk_writes.h"
#include "samplegame/sample_game.h"
#include "../sample_game_bench.h"
#include "../verdict.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kPatches = 1024;
constexpr int kFilesEach = 20;

// The ledger's entries and the files they put, as so many installs would have left them, an
// hour old as installed files are.
std::vector<std::string> LayInstalls(const fs::path& work) {
  std::vector<std::string> files;
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
  for (int patch = 0; patch < kPatches; ++patch) {
    char marker[64];
    std::snprintf(marker, sizeof marker, "06%02X_Patch %04d.aop", patch % 256, patch);
    vantrel::LedgerEntry entry;
    entry.marker = marker;
    entry.folder = std::string(marker).substr(5, 10);
    entry.order = static_cast<std::uint64_t>(patch) + 1;
    entry.state = vantrel::LedgerState::Installed;
    for (int file = 0; file < kFilesEach; ++file) {
      char name[32];
      std::snprintf(name, sizeof name, "p%04d_%02d.dat", patch, file);
      const std::string bytes = std::string(name) + " as the patch put it\n";
      vantrel::samplegame::WriteBytes(work / name, bytes);
      fs::last_write_time(work / name, old);
      entry.files.push_back({name, vantrel::HashOfBytes(bytes), entry.folder + "\\" + name, "", ""});
      files.push_back(name);
    }
    vantrel::samplegame::WriteBytes(work / marker, "Active \r\n");
    vantrel::WriteLedgerEntry(entry);
  }
  return files;
}

std::size_t StatEvery(const std::vector<std::string>& files) {
  std::size_t found = 0;
  struct stat st {};
  for (const std::string& file : files) found += ::stat(file.c_str(), &st) == 0 ? 1 : 0;
  return found;
}

double Ms(const std::function<void()>& run) {
  const auto start = Clock::now();
  run();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main() {
  const vantrel::bench::BenchGame game("status");
  const fs::path work = game.Work();
  fs::current_path(work);
  const std::vector<std::string> files = LayInstalls(work);
  vantrel::Session s;

  vantrel::GameStatus status;
  const double uncached = Ms([&] { status = vantrel::CheckGameStatus(s.cat); });
  const std::size_t readUncached = status.filesRead;
  // Best times of the two, measured in alternation so that both meet the same load and cache.
  double cached = 1e300;
  double baseline = 1e300;
  std::size_t found = 0;
  for (int round = 0; round < 25; ++round) {
    cached = std::min(cached, Ms([&] { status = vantrel::CheckGameStatus(s.cat); }));
    baseline = std::min(baseline, Ms([&] { found = StatEvery(files); }));
  }
  const bool allInPlace = status.AllInPlace() && status.patches.size() == kPatches && status.filesRead == 0;

  std::printf("%d active patches of %d files: uncached %.1f ms (%zu files read), cached %.1f ms, "
              "stat of every file %.1f ms (%zu found)%s\n",
              kPatches, kFilesEach, uncached, readUncached, cached, baseline, found,
              allInPlace ? "" : "; THE CHECK DID NOT FIND EVERY PATCH IN PLACE FROM THE CACHE");
  const bool pass = vantrel::bench::PrintVerdict("status, 1,024 patches of 20 files, cached", vantrel::bench::Figure(cached, "ms"),
                                                 vantrel::bench::Figure(baseline, "ms stat"), cached / baseline,
                                                 vantrel::bench::Bound::AtMost, 2.0);
  return pass && allInPlace && readUncached == files.size() ? 0 : 1;
}
