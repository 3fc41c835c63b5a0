#pragma once
// The sample game laid out afresh in a folder of its own under the system's temporary folder,
// for a benchmark that works on a game; removed again when the benchmark is done with it,
// whichever way it ends.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "samplegame/sample_game.h"

namespace vantrel::bench {

class BenchGame {
 public:
  // `name` tells the benchmarks' folders apart: "status" lays vantrel-status-bench-XXXXXX.
  explicit BenchGame(const std::string& name) {
    std::string folder = (std::filesystem::temp_directory_path() / ("vantrel-" + name + "-bench-XXXXXX")).string();
    if (!mkdtemp(folder.data())) throw std::system_error(errno, std::generic_category(), "mkdtemp");
    root_ = folder;
    samplegame::LaySampleGame((root_ / "game").string());
  }
  ~BenchGame() {
    std::error_code ignored;  // a benchmark's leftovers in the temporary folder are no failure
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(root_, ignored);
  }
  BenchGame(const BenchGame&) = delete;
  BenchGame& operator=(const BenchGame&) = delete;

  // The game's working folder.
  std::filesystem::path Work() const { return root_ / "game" / samplegame::kWorkingFolder; }

 private:
  std::filesystem::path root_;
};

}  // namespace vantrel::bench
