#include "failing_calls.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

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

std::vector<std::string> StruckCall(std::string_view call, std::string_view fault, int nth) {
  const std::string name(call);
  return {kStrace, "-qq", "-o", "/dev/null", "-e", "trace=" + name,
          "-e", "inject=" + name + ":" + std::string(fault) + ":when=" + std::to_string(nth)};
}

std::vector<std::string> CountingCalls(std::string_view calls, const std::filesystem::path& log) {
  return {kStrace, "-f", "-qq", "-o", log.string(), "-e", "trace=execve," + std::string(calls)};
}

CallCounts CountedCalls(const std::filesystem::path& log) {
  // "PID NAME(ARGS) = RESULT", or "PID NAME(ARGS <unfinished ...>" with its end on a later
  // line that starts "<...": each call once, by its first line.
  std::map<std::string, std::pair<std::string, std::map<std::string, int>>> processes;
  std::ifstream in(log);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string pid;
    std::string rest;
    words >> pid >> std::ws;
    std::getline(words, rest);
    const std::size_t open = rest.find('(');
    if (open == std::string::npos || rest.starts_with("<...") || rest.starts_with("---")) continue;
    const std::string call = rest.substr(0, open);
    auto& [program, counts] = processes[pid];
    if (call == "execve") {
      // execve("/path/program", ...): its calls are counted from here.
      const std::size_t start = rest.find('"');
      const std::size_t end = rest.find('"', start + 1);
      if (start == std::string::npos || end == std::string::npos) continue;
      program = std::filesystem::path(rest.substr(start + 1, end - start - 1)).filename().string();
      counts.clear();
    } else {
      ++counts[call];
    }
  }
  CallCounts busiest;
  for (const auto& [pid, process] : processes) {
    if (process.first.empty()) continue;
    for (const auto& [call, count] : process.second) {
      int& most = busiest[process.first][call];
      most = std::max(most, count);
    }
  }
  return busiest;
}

}  // namespace vantrel::testing
