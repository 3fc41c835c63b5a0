#include "program_run.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>

namespace vantrel::testing {

ProgramRun RunBesideTest(std::string_view program, std::string_view arguments, std::string_view environment) {
  const auto path = std::filesystem::read_symlink("/proc/self/exe").parent_path() / program;
  // Appended, not "'" + path: GCC 12 at -O3 warns falsely of overlapping copies (-Wrestrict)
  // in the std::string code it inlines for a literal plus a temporary string.
  std::string command(environment);
  command.append(" '").append(path.string()).append("' ").append(arguments).append(" </dev/null");
  ProgramRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) {
    ADD_FAILURE() << "cannot start " << command;
    return run;
  }
  std::array<char, 4096> buffer;
  while (std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe)) run.output.append(buffer.data(), got);
  const int wait = ::pclose(pipe);
  run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  return run;
}

}  // namespace vantrel::testing
