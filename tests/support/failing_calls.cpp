#include "failing_calls.h"

#include <cstdlib>

namespace vantrel::testing {

namespace {
constexpr char kStrace[] = "/usr/bin/strace";
}

std::string WhyStraceCannotStrike() {
  static const std::string why = [] {
    const std::string probe = std::string(kStrace) + " -qq -o /dev/null true >/dev/null 2>&1";
    return std::system(probe.c_str()) == 0 ? std::string() : std::string("strace is missing or may not trace here");
  }();
  return why;
}

std::vector<std::string> FailingCalls(std::string_view calls, const std::filesystem::path& path) {
  const std::string set(calls);
  // Only the calls that touch the path are traced (-P), and only traced calls are struck.
  // strace knows a folder read through a descriptor by its full path, and a name passed to
  // a call by the name as passed.
  std::vector<std::string> words{kStrace, "-f", "-qq", "-o", "/dev/null",
                                 "-P", std::filesystem::weakly_canonical(path).string()};
  if (path.is_relative()) words.insert(words.end(), {"-P", path.string()});
  words.insert(words.end(), {"-e", "trace=" + set, "-e", "inject=" + set + ":error=EIO"});
  return words;
}

std::string FailingCallsCommand(std::string_view calls, const std::filesystem::path& path) {
  std::string command;
  for (const std::string& word : FailingCalls(calls, path)) command.append(" '").append(word).append("'");
  return command;
}

}  // namespace vantrel::testing
