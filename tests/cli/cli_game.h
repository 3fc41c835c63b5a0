#pragma once
// The sample game for vantrel-cli's job commands, run with -C on its working folder.
#include <string>
#include <tuple>
#include <vector>

#include "cli_run.h"
#include "quiet_shell.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"

namespace vantrel::testing {

struct CliGame {
  CliGame() {
    KeepShellsOffTerminals();
    samplegame::LaySampleGame((dir.path() / "game").string());
  }
  bool Has(const std::string& rel) const { return dir.exists("game/Simpatch/" + rel); }

  // vantrel-cli -C WORKING-FOLDER ARGS...: exit status, standard output, error output.
  std::tuple<int, std::string, std::string> Run(std::vector<std::string> args) const {
    args.insert(args.begin(), {"-C", (dir.path() / "game" / "Simpatch").string()});
    const CliResult result = RunCli(std::move(args));
    return {result.status, result.out, result.err};
  }

  TempDir dir;
};

}  // namespace vantrel::testing
