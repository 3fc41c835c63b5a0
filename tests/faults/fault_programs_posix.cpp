#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "fault_programs.h"
#include "platform/process.h"
#include "temp_dir.h"

namespace vantrel::testing {

namespace fs = std::filesystem;

namespace {

// In the child: `folder` the current one, input and output the null device, errors to
// `errors` (or the null device), then the program. Only calls safe after fork.
[[noreturn]] void ExecIn(const std::string& program, std::vector<std::string>& words, const fs::path& folder,
                         const char* errors) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const int null = ::open("/dev/null", O_RDWR);
  const int err = errors ? ::open(errors, O_WRONLY | O_CREAT | O_TRUNC, 0644) : null;
  if (null < 0 || err < 0 || ::chdir(folder.c_str()) != 0) ::_exit(126);
  ::dup2(null, 0);
  ::dup2(null, 1);
  ::dup2(err, 2);
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

pid_t Start(const std::string& program, const std::vector<std::string>& args, const fs::path& folder,
            const char* errors) {
  std::vector<std::string> words{program};
  words.insert(words.end(), args.begin(), args.end());
  const pid_t pid = ::fork();
  if (pid == 0) ExecIn(program, words, folder, errors);
  return pid;
}

std::string Beside(std::string_view program) {
  return program.starts_with('/') ? std::string(program) : platform::OwnFolder() + "/" + std::string(program);
}

}  // namespace

ProgramResult RunOurs(std::string_view program, const std::vector<std::string>& args, const fs::path& folder) {
  const fs::path errors = fs::temp_directory_path() / ("vantrel-fault-errors-" + std::to_string(::getpid()));
  const pid_t pid = Start(Beside(program), args, folder, errors.c_str());
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return {};
  ProgramResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileBytes(errors)};
  fs::remove(errors);
  return result;
}

ProgramResult RunOursUnder(const std::vector<std::string>& tracer, std::string_view program,
                           const std::vector<std::string>& args, const fs::path& folder) {
  std::vector<std::string> words(tracer.begin() + 1, tracer.end());
  words.push_back(Beside(program));
  words.insert(words.end(), args.begin(), args.end());
  return RunOurs(tracer.front(), words, folder);
}

std::string JobShell() { return platform::OwnFolder() + "/vantrel-cmd"; }

struct StruckProgram::Process {
  pid_t pid;
  bool ended = false;
  int status = 0;
};

StruckProgram::StruckProgram(std::string_view program, const std::vector<std::string>& args, const fs::path& folder)
    : process_(std::make_unique<Process>(Process{Start(Beside(program), args, folder, nullptr)})) {
  if (process_->pid < 0) process_->ended = true;
}

StruckProgram::~StruckProgram() {
  if (Running()) Kill(true);
  EndedByKill();
}

bool StruckProgram::Running() {
  if (!process_->ended && ::waitpid(process_->pid, &process_->status, WNOHANG) == process_->pid) process_->ended = true;
  return !process_->ended;
}

void StruckProgram::Kill(bool hard) {
  if (!process_->ended) ::kill(process_->pid, hard ? SIGKILL : SIGTERM);
}

bool StruckProgram::EndedByKill() {
  if (!process_->ended && ::waitpid(process_->pid, &process_->status, 0) == process_->pid) process_->ended = true;
  return process_->pid > 0 && WIFSIGNALED(process_->status);
}

fs::path WithoutPathLimit(const fs::path& folder) { return folder; }

bool ShellTellsFailedLines() { return true; }

bool MakeLink(const fs::path& target, const fs::path& link) {
  fs::create_symlink(target, link);
  return true;
}

bool IsLink(const fs::path& path) { return fs::is_symlink(path); }

}  // namespace vantrel::testing
