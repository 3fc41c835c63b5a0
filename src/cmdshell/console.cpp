#include "cmdshell/console.h"

#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include "platform/console_input.h"

namespace vantrel::cmdshell {

namespace {

// Single-key mode without echo for as long as it lives; the terminal's own settings come
// back on every path out. Ctrl-C is a key like any other here: a signal would end the
// program with the terminal still in this mode.
class SingleKeyMode {
 public:
  explicit SingleKeyMode(int fd) : fd_(fd) {
    if (::tcgetattr(fd_, &saved_) != 0) return;
    termios raw = saved_;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | ISIG));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    active_ = ::tcsetattr(fd_, TCSANOW, &raw) == 0;
  }
  ~SingleKeyMode() {
    if (active_) ::tcsetattr(fd_, TCSANOW, &saved_);
  }
  SingleKeyMode(const SingleKeyMode&) = delete;
  SingleKeyMode& operator=(const SingleKeyMode&) = delete;

 private:
  int fd_;
  termios saved_{};
  bool active_ = false;
};

}  // namespace

std::optional<char> TextInput::ReadKey() {
  if (pos_ >= text_.size()) return std::nullopt;
  return text_[pos_++];
}

std::optional<std::string> TextInput::ReadLine() {
  if (pos_ >= text_.size()) return std::nullopt;
  std::size_t end = text_.find('\n', pos_);
  if (end == std::string::npos) end = text_.size();
  std::string line = text_.substr(pos_, end - pos_);
  pos_ = end + 1;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<char> TerminalInput::ReadKey() {
  if (::isatty(fd_)) {
    SingleKeyMode mode(fd_);
    return platform::ReadInputByte(fd_);
  }
  // A pipe is a window that runs the job and answers a pause with its Continue button.
  struct stat st {};
  if (::fstat(fd_, &st) == 0 && S_ISFIFO(st.st_mode)) return platform::ReadInputByte(fd_);
  return std::nullopt;
}

std::optional<std::string> TerminalInput::ReadLine() {
  if (!::isatty(fd_)) return std::nullopt;
  std::string line;
  while (auto c = platform::ReadInputByte(fd_)) {
    if (*c == '\n') return line;
    line += *c;
  }
  if (line.empty()) return std::nullopt;
  return line;
}

}  // namespace vantrel::cmdshell
