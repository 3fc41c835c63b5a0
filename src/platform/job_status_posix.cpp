#include "platform/job_status.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <utility>

namespace vantrel::platform {

// The file lives in the starting program's own temporary folder, outside the game: written
// with the standard library, not through the game tree's guarded writes.
void WriteJobStatus(const std::string& path, const std::string& line) {
  const std::string next = path + ".new";
  {
    std::ofstream out(next, std::ios::trunc);
    out << line << '\n';
    if (!out.flush()) return;  // the starter then sees no news, and in the end a dead shell
  }
  std::error_code ignored;
  std::filesystem::rename(next, path, ignored);
}

void WriteJobRunning(const std::string& path) { WriteJobStatus(path, "running " + std::to_string(::getpid())); }

void WriteJobEnded(const std::string& path, int status) { WriteJobStatus(path, "exit " + std::to_string(status)); }

namespace {

std::optional<std::pair<std::string, long>> ReadLine(const std::string& path) {
  std::ifstream in(path);
  std::string word;
  long value = 0;
  if (!(in >> word >> value)) return std::nullopt;
  return std::pair{word, value};
}

}  // namespace

bool ProcessRunning(long pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

JobStatus ReadJobStatus(const std::string& path) {
  const auto line = ReadLine(path);
  if (!line) return {};
  if (line->first == "exit") return {JobStatus::State::Ended, static_cast<int>(line->second)};
  if (ProcessRunning(line->second)) {
    return {JobStatus::State::Running, static_cast<int>(line->second)};
  }
  // It may have said it ended between the read and the test.
  const auto again = ReadLine(path);
  if (again && again->first == "exit") return {JobStatus::State::Ended, static_cast<int>(again->second)};
  return {JobStatus::State::Ended, 1};
}

}  // namespace vantrel::platform
