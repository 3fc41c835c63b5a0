#include "platform/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <optional>

#include "platform/errors.h"
#include "platform/fd_io.h"
#include "platform/names.h"
#include "platform/program_start.h"

namespace vantrel::platform {
namespace detail {

int ShellCodeForErrno(int err) {
  switch (err) {
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case EACCES:
    case EPERM: return 5;
    case ENOMEM:
    case E2BIG: return 8;
    case ENOEXEC: return 11;
    default: return 0;  // "out of resources", the catch-all of ShellExecute
  }
}

namespace {

bool IsExecutableFile(const struct stat& st) {
  // Root passes access(X_OK) for any file with one execute bit, so read the bits directly.
  return S_ISREG(st.st_mode) && (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.empty() ? "." : path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

Located LocateWithFolder(std::string_view program) {
  std::string path = ResolvePath(program);
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    int err = errno;
    if (err == ENOENT && !IsFolder(SplitLastComponent(path).folder)) return {path, 3};
    return {path, ShellCodeForErrno(err)};
  }
  if (!IsExecutableFile(st)) return {path, 5};
  return {path, 0};
}

}  // namespace

Located LocateOnPath(std::string_view program) {
  const char* searchPath = std::getenv("PATH");
  std::string_view folders = searchPath ? searchPath : "/usr/local/bin:/usr/bin:/bin";
  bool foundUnrunnable = false;
  for (std::size_t pos = 0; pos <= folders.size();) {
    std::size_t end = folders.find(':', pos);
    if (end == std::string_view::npos) end = folders.size();
    std::string folder(folders.substr(pos, end - pos));
    pos = end + 1;
    std::string candidate = detail::JoinPath(folder.empty() ? "." : folder, std::string(program));
    struct stat st {};
    if (::stat(candidate.c_str(), &st) != 0) continue;
    if (IsExecutableFile(st)) return {candidate, 0};
    if (S_ISREG(st.st_mode)) foundUnrunnable = true;
  }
  return {"", foundUnrunnable ? 5 : 2};
}

Located LocateProgram(std::string_view program) {
  if (program.empty()) return {"", 2};
  if (program.find_first_of("\\/") != std::string_view::npos) return LocateWithFolder(program);
  return LocateOnPath(program);
}

std::vector<char*> ArgumentVector(std::vector<std::string>& words) {
  std::vector<char*> argv;
  argv.reserve(words.size() + 1);
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  return argv;
}

}  // namespace detail

namespace {

using detail::ArgumentVector;
using detail::Located;
using detail::LocateOnPath;
using detail::LocateProgram;
using detail::ShellCodeForErrno;

// What ShellExecute returns on success: any number above 32.
constexpr int kStarted = 42;

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

void ReportErrno(int reportFd) {
  int err = errno;
  if (::write(reportFd, &err, sizeof err) < 0) {
    // Nothing is left to tell: the parent then sees the program as started.
  }
}

// Runs in the forked child, where only async-signal-safe calls are allowed. A second
// fork leaves the program to init, so it outlives us and never becomes our zombie.
[[noreturn]] void StartGrandchild(const char* path, char* const* argv, int reportFd) {
  ::setsid();
  pid_t grandchild = ::fork();
  if (grandchild != 0) {
    if (grandchild < 0) ReportErrno(reportFd);
    ::_exit(grandchild < 0 ? 1 : 0);
  }
  sigset_t none;
  ::sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  ::signal(SIGPIPE, SIG_DFL);
  int devNull = ::open("/dev/null", O_RDWR);
  if (devNull >= 0) {
    ::dup2(devNull, STDIN_FILENO);
    ::dup2(devNull, STDOUT_FILENO);
    ::dup2(devNull, STDERR_FILENO);
    if (devNull > STDERR_FILENO) ::close(devNull);
  }
  ::execv(path, argv);
  ReportErrno(reportFd);
  ::_exit(127);
}

int StartDetached(std::vector<std::string> words) {
  std::vector<char*> argv = ArgumentVector(words);
  int pipeFds[2];
  if (::pipe2(pipeFds, O_CLOEXEC) != 0) return ShellCodeForErrno(errno);
  detail::UniqueFd readEnd(pipeFds[0]);
  detail::UniqueFd writeEnd(pipeFds[1]);

  pid_t child = ::fork();
  if (child < 0) return ShellCodeForErrno(errno);
  if (child == 0) StartGrandchild(argv[0], argv.data(), writeEnd.get());

  ::close(writeEnd.release());
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // The pipe closes on a successful exec; an error number arrives otherwise.
  int err = 0;
  ssize_t got;
  while ((got = ::read(readEnd.get(), &err, sizeof err)) < 0 && errno == EINTR) {
  }
  if (got == static_cast<ssize_t>(sizeof err)) return ShellCodeForErrno(err);
  return kStarted;
}

}  // namespace

std::optional<std::string> FindTerminal() {
  const char* choice = std::getenv("VANTREL_TERMINAL");
  if (choice != nullptr && std::string_view(choice) == "none") return std::nullopt;
  if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) return std::nullopt;
  if (choice != nullptr && *choice != '\0') {
    Located chosen = LocateProgram(choice);
    if (chosen.failure == 0) return chosen.path;
  }
  static constexpr std::array kTerminals = {"x-terminal-emulator", "xterm",        "konsole",
                                            "gnome-terminal",      "xfce4-terminal", "mate-terminal",
                                            "lxterminal",          "qterminal",    "alacritty"};
  for (const char* name : kTerminals) {
    Located terminal = LocateOnPath(name);
    if (terminal.failure == 0) return terminal.path;
  }
  return std::nullopt;
}

int StartProgram(std::string_view program, const std::vector<std::string>& args) {
  Located located = LocateProgram(program);
  if (located.failure != 0) return located.failure;
  std::vector<std::string> words;
  if (std::optional<std::string> terminal = FindTerminal()) {
    words = {*terminal, "-e"};
  }
  words.push_back(located.path);
  words.insert(words.end(), args.begin(), args.end());
  return StartDetached(std::move(words));
}

bool IsNtFamily() { return false; }

std::string OwnPath() {
  std::string buffer(256, '\0');
  for (;;) {
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) throw InOutError::FromErrno(errno);
    if (static_cast<std::size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(length));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string OwnFolder() {
  std::string path = OwnPath();
  std::size_t sep = path.rfind('/');
  if (sep == std::string::npos) return ".";
  return sep == 0 ? std::string("/") : path.substr(0, sep);
}

}  // namespace vantrel::platform
