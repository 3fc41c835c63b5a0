#pragma once
// The second pass over a batch line, after "%" expansion: quotes, the caret escape, the
// command separators & && || |, redirections, and the commands whose syntax the parser
// itself must know (if, rem). Outside double quotes & | < > ^ are special; inside they are
// text. The parser never touches a file.
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/errors.h"

namespace vantrel::cmdshell {

// A line the shell refuses as a whole; carries the text cmd shows.
class SyntaxError : public Error {
 public:
  using Error::Error;
};

struct Redirection {
  int handle = 1;             // 0 input, 1 output, 2 errors
  bool append = false;        // ">>"
  int duplicateOf = -1;       // ">&N" sends the handle where handle N goes
  std::string target;         // the file name, quotes removed
  std::string targetAsWritten;
  // How the echo shows it, moved to the end of the command: " 1>target".
  std::string Display() const;
};

struct Sequence;

struct SimpleCommand {
  std::string name;  // the first word, quotes kept
  std::string rest;  // the text after it, carets applied and redirections taken out
  std::vector<Redirection> redirections;
};

struct IfCommand {
  enum class Test { Exist, ErrorLevel };
  std::string conditionText;  // "if not exist x " as written, for the echo
  bool negate = false;
  Test test = Test::Exist;
  std::string operand;  // the name or number, quotes removed
  std::unique_ptr<Sequence> body;  // the rest of the line, & and | included
};

struct RemCommand {
  std::string text;  // the whole command as written: rem ignores & | < > too
};

using Command = std::variant<SimpleCommand, IfCommand, RemCommand>;

// How a command hangs on the one before it.
enum class Joiner { Always, IfSucceeded, IfFailed, Pipe };  // first, &, &&, ||, |

struct Step {
  Joiner joiner = Joiner::Always;
  Command command;
};

struct Sequence {
  std::vector<Step> steps;
};

struct ParsedLine {
  bool echoed = true;  // false when the line starts with "@"
  Sequence sequence;   // no steps for a blank line or a label
  // The line as the echo shows it, without the prompt.
  std::string Display() const;
};

// Raises SyntaxError for what cmd refuses before running anything.
ParsedLine ParseLine(std::string_view expandedLine);

// Blank, tab and the other argument separators of cmd.
bool IsArgumentSeparator(char c);

// The arguments of a command: runs of separators split them, double quotes group text
// and are removed. Empty words are dropped.
std::vector<std::string> SplitWords(std::string_view text);

}  // namespace vantrel::cmdshell
