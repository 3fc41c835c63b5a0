#include "platform/running_program.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "platform/errors.h"
#include "platform/folder_lock_handover.h"
#include "platform/program_start.h"

extern char** environ;

namespace vantrel::platform {
namespace {

// What ShellExecute returns on success: any number above 32.
constexpr int kStarted = 42;

// The exit status as a shell tells it.
int ExitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

// posix_spawn's attributes and file actions, released on every path.
class SpawnSetup {
 public:
  SpawnSetup() {
    ::posix_spawnattr_init(&attributes_);
    ::posix_spawn_file_actions_init(&actions_);
  }
  ~SpawnSetup() {
    ::posix_spawn_file_actions_destroy(&actions_);
    ::posix_spawnattr_destroy(&attributes_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  // Its own session, so that our terminal's Ctrl+C or hang-up does not reach it, with the
  // signals a fresh program expects; input and output go nowhere.
  void Detach() {
    sigset_t none;
    ::sigemptyset(&none);
    sigset_t pipe;
    ::sigemptyset(&pipe);
    ::sigaddset(&pipe, SIGPIPE);
    ::posix_spawnattr_setsigmask(&attributes_, &none);
    ::posix_spawnattr_setsigdefault(&attributes_, &pipe);
    ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
      ::posix_spawn_file_actions_addopen(&actions_, fd, "/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
    }
  }
  void OutputToErrorStream() { ::posix_spawn_file_actions_adddup2(&actions_, STDERR_FILENO, STDOUT_FILENO); }
  void NoInput() { ::posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0); }

  // The folder lock this process holds goes with the program (folder_lock_handover.h): a
  // dup2 onto itself keeps the descriptor open across exec.
  void HandOverFolderLock() {
    const FolderLockHandover handover = platform::HandOverFolderLock();
    const std::string prefix = handover.variable + "=";
    for (char** entry = environ; *entry; ++entry) {
      if (!std::string_view(*entry).starts_with(prefix)) environment_.emplace_back(*entry);
    }
    if (handover.lockFile >= 0) {
      ::posix_spawn_file_actions_adddup2(&actions_, handover.lockFile, handover.lockFile);
      environment_.push_back(prefix + handover.value);
    }
  }

  // 0 and the process id, or the errno of the failure.
  int Spawn(const std::string& path, std::vector<std::string> words, pid_t& pid) {
    std::vector<char*> argv = detail::ArgumentVector(words);
    std::vector<char*> envp = detail::ArgumentVector(environment_);
    return ::posix_spawn(&pid, path.c_str(), &actions_, &attributes_, argv.data(), envp.data());
  }

 private:
  posix_spawnattr_t attributes_;
  posix_spawn_file_actions_t actions_;
  std::vector<std::string> environment_;
};

}  // namespace

struct RunningProgram::Process {
  pid_t pid = 0;
};

RunningProgram::RunningProgram(std::string_view program, const std::vector<std::string>& args, ProgramConsole console,
                               ConsoleOutput output)
    : program_(program) {
  const detail::Located located = detail::LocateProgram(program);
  if (located.failure != 0) {
    result_ = located.failure;
    return;
  }
  SpawnSetup setup;
  setup.HandOverFolderLock();
  if (console == ProgramConsole::OwnWindow) {
    setup.Detach();
  } else if (output == ConsoleOutput::ToErrorStream) {
    setup.OutputToErrorStream();
  }
  if (console == ProgramConsole::ThisTerminalNoInput) setup.NoInput();
  std::vector<std::string> words{located.path};
  words.insert(words.end(), args.begin(), args.end());
  pid_t pid = 0;
  if (const int err = setup.Spawn(located.path, std::move(words), pid); err != 0) {
    result_ = detail::ShellCodeForErrno(err);
    return;
  }
  result_ = kStarted;
  process_ = std::make_unique<Process>(Process{pid});
}

// One that still runs is left to a thread that reaps it, so that it never lingers as our zombie.
RunningProgram::~RunningProgram() {
  if (!process_ || exitCode_) return;
  std::thread([pid = process_->pid] {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

RunningProgram::RunningProgram(RunningProgram&& other) noexcept = default;

RunningProgram& RunningProgram::operator=(RunningProgram&& other) noexcept {
  RunningProgram gone(std::move(*this));
  program_ = std::move(other.program_);
  result_ = other.result_;
  process_ = std::move(other.process_);
  exitCode_ = std::exchange(other.exitCode_, std::nullopt);
  return *this;
}

std::optional<int> RunningProgram::ExitCode() {
  RequireStarted();
  if (exitCode_) return exitCode_;
  int status = 0;
  pid_t got;
  while ((got = ::waitpid(process_->pid, &status, WNOHANG)) < 0 && errno == EINTR) {
  }
  if (got < 0) throw InOutError::FromErrno(errno);
  if (got == 0) return std::nullopt;
  exitCode_ = ExitCodeOf(status);
  return exitCode_;
}

int RunningProgram::Wait() {
  RequireStarted();
  if (exitCode_) return *exitCode_;
  int status = 0;
  while (::waitpid(process_->pid, &status, 0) < 0) {
    if (errno != EINTR) throw InOutError::FromErrno(errno);
  }
  exitCode_ = ExitCodeOf(status);
  return *exitCode_;
}

}  // namespace vantrel::platform
