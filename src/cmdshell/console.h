#pragma once
// Where the shell's output goes and where its key presses come from. The program uses the
// process's own handles; tests hand in string streams and text.
#include <optional>
#include <ostream>
#include <string>

namespace vantrel::cmdshell {

class InputSource {
 public:
  virtual ~InputSource() = default;
  // One key press; nullopt when input is at its end.
  virtual std::optional<char> ReadKey() = 0;
  // One line without its line end; nullopt when input is at its end.
  virtual std::optional<std::string> ReadLine() = 0;
};

// Input from a text held in memory: a redirected file, the output of a pipe, a test.
class TextInput final : public InputSource {
 public:
  explicit TextInput(std::string text = {}) : text_(std::move(text)) {}
  std::optional<char> ReadKey() override;
  std::optional<std::string> ReadLine() override;

 private:
  std::string text_;
  std::size_t pos_ = 0;
};

// The process's standard input. A terminal is put into single-key mode for ReadKey, so one
// key press is enough; from a pipe ReadKey takes one byte, which is how a window that runs
// the job answers a pause. Anything else counts as input at its end at once: a console
// started without a terminal must never hang on its closing pause.
class TerminalInput final : public InputSource {
 public:
  explicit TerminalInput(int fd) : fd_(fd) {}
  std::optional<char> ReadKey() override;
  std::optional<std::string> ReadLine() override;

 private:
  int fd_;
};

// Output (handle 1), errors (handle 2; may be the same stream) and input (handle 0).
struct Console {
  std::ostream& out;
  std::ostream& err;
  InputSource& in;
};

}  // namespace vantrel::cmdshell
