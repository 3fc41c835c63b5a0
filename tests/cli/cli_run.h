#pragma once
// vantrel-cli's Main run in the test program, its streams caught.
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace vantrel {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

inline CliResult RunCli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = cli::Main(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace vantrel
