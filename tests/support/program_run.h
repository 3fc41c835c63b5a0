#pragma once
// Runs one of our programs as a real process, as a user's shell would.
#include <string>
#include <string_view>

namespace vantrel::testing {

struct ProgramRun {
  std::string output;  // what it wrote to its standard output
  int status = -1;     // its exit status, -1 when it did not exit
};

// Runs `program` from the folder of the running test, in the current folder, input from
// /dev/null. `arguments` are read by the shell, so they may quote, redirect ("2>&1") or be
// preceded by environment settings in `environment` ("A=1 B=2").
ProgramRun RunBesideTest(std::string_view program, std::string_view arguments, std::string_view environment = {});

}  // namespace vantrel::testing
