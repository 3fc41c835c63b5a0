#include "rbext/run_shell.h"

#include <vector>

#include "platform/process.h"

namespace vantrel {
namespace {

// Results up to 32 mean the program was not started.
constexpr int kLastFailureResult = 32;

std::vector<std::string> SplitAtBlanks(std::string_view text) {
  std::vector<std::string> words;
  std::size_t start = text.find_first_not_of(' ');
  while (start != std::string_view::npos) {
    const std::size_t end = text.find(' ', start);
    words.emplace_back(text.substr(start, end - start));
    start = text.find_first_not_of(' ', end);
  }
  return words;
}

}  // namespace

std::string JobShellProgram() { return platform::IsNtFamily() ? "cmd" : "command"; }

std::string ShellFailureText(int result, std::string_view program, std::string_view parameters) {
  return "Error #" + std::to_string(result) + " executing " + std::string(program) + " " + std::string(parameters);
}

namespace {

int Told(const MessageHook& owner, int result, std::string_view program, std::string_view parameters) {
  if (result <= kLastFailureResult && owner) owner(ShellFailureText(result, program, parameters));
  return result;
}

}  // namespace

int RunShell(const MessageHook& owner, std::string_view program, std::string_view parameters) {
  return Told(owner, platform::StartProgram(ShellExecutableFor(program), SplitAtBlanks(parameters)), program,
              parameters);
}

platform::RunningProgram StartShellJob(const MessageHook& owner, std::string_view program,
                                       std::string_view parameters) {
  platform::RunningProgram job(ShellExecutableFor(program), SplitAtBlanks(parameters));
  Told(owner, job.StartResult(), program, parameters);
  return job;
}

}  // namespace vantrel
