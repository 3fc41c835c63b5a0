#pragma once
// The command-line front end: the same catalogue and engine as the window, for scripting
// and headless use.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/session.h"
#include "platform/errors.h"  // UsageError, raised by the commands

namespace vantrel::cli {

struct Command {
  const char* name;
  const char* synopsis;  // arguments after the name, for --help
  const char* summary;
  bool writes;  // into the working folder: run holding its lock, one such job at a time
  std::function<void(Session&, const std::vector<std::string>& args, std::ostream& out)> run;
};

const std::vector<Command>& Commands();

// Runs the program with its arguments (without argv[0]); returns the exit status.
int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vantrel::cli
