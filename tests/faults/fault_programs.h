#pragma once
// Our programs and the job shell run the way a player's system runs them, and a program
// struck down while it works. What differs between the systems is behind these: fork,
// exec and signals, or CreateProcessW and TerminateProcess; vantrel-cmd, or Windows' cmd.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::testing {

struct ProgramResult {
  int status = -1;     // the exit status; -1 when it did not exit
  std::string errors;  // what it wrote to its error stream, the job's console among it
};

// Runs `program`, one of ours beside the test ("vantrel-cli"), in `folder` with input from
// the null device and its standard output dropped, and waits for it.
ProgramResult RunOurs(std::string_view program, const std::vector<std::string>& args,
                      const std::filesystem::path& folder);

// The same, `program` run by a tracer: `tracer` are the tracer's words that come before the
// program's (strace's, from failing_calls.h). POSIX's.
ProgramResult RunOursUnder(const std::vector<std::string>& tracer, std::string_view program,
                           const std::vector<std::string>& args, const std::filesystem::path& folder);

// The job shell as vantrel-cli starts it: vantrel-cmd beside the test, or Windows' cmd.
std::string JobShell();

// A program started in `folder` (ours beside the test, or the job shell), its console the
// null device, to be killed while it works.
class StruckProgram {
 public:
  StruckProgram(std::string_view program, const std::vector<std::string>& args, const std::filesystem::path& folder);
  ~StruckProgram();  // one still running is killed and waited for
  StruckProgram(const StruckProgram&) = delete;
  StruckProgram& operator=(const StruckProgram&) = delete;

  bool Running();
  // Hard: killed outright (SIGKILL); otherwise asked to end (SIGTERM). Windows has only
  // TerminateProcess for both.
  void Kill(bool hard);
  // Waits for the end; whether the kill ended it rather than the program itself.
  bool EndedByKill();

 private:
  struct Process;
  std::unique_ptr<Process> process_;
};

// `folder` named so that the files below it are found however long their paths: on Windows
// with the "\\?\" prefix, past MAX_PATH; elsewhere as it is.
std::filesystem::path WithoutPathLimit(const std::filesystem::path& folder);

// What vantrel-cmd tells after a script and cmd does not: "N lines of NAME failed; the job
// did not do all its work".
bool ShellTellsFailedLines();

// A symbolic link at `link` to `target`, and whether `path` is one. Under Wine, which cannot
// make links, the host makes it.
bool MakeLink(const std::filesystem::path& target, const std::filesystem::path& link);
bool IsLink(const std::filesystem::path& path);

}  // namespace vantrel::testing
