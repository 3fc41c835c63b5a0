#include "cmdshell/line_parser.h"

#include <cstdlib>

#include "cmdshell/shell_texts.h"
#include "platform/names.h"

namespace vantrel::cmdshell {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsOperator(char c) { return c == '&' || c == '|'; }
bool IsRedirect(char c) { return c == '<' || c == '>'; }

std::string DisplaySequence(const Sequence& sequence);

std::string DisplayCommand(const Command& command) {
  if (const auto* simple = std::get_if<SimpleCommand>(&command)) {
    std::string text = simple->name + simple->rest;
    for (const Redirection& r : simple->redirections) text += r.Display();
    return text;
  }
  if (const auto* test = std::get_if<IfCommand>(&command)) {
    return test->conditionText + DisplaySequence(*test->body);
  }
  return std::get<RemCommand>(command).text;
}

std::string DisplaySequence(const Sequence& sequence) {
  std::string text;
  for (const Step& step : sequence.steps) {
    if (!text.empty()) {
      // A command keeps the blanks it was written with; only a missing one is added.
      if (!IsBlank(text.back())) text += ' ';
      switch (step.joiner) {
        case Joiner::Always: text += "& "; break;
        case Joiner::IfSucceeded: text += "&& "; break;
        case Joiner::IfFailed: text += "|| "; break;
        case Joiner::Pipe: text += "| "; break;
      }
    }
    text += DisplayCommand(step.command);
  }
  return text;
}

// One pass over the line with a cursor. Each command reads up to the next unquoted
// operator; "if" and "rem" take the rest of the line.
class LineParser {
 public:
  explicit LineParser(std::string_view line) : s_(line) {}

  ParsedLine Parse() {
    ParsedLine parsed;
    SkipLineStart(parsed);
    if (AtEnd() || s_[pos_] == ':') return parsed;  // blank line or label
    parsed.sequence = ParseSequence();
    return parsed;
  }

 private:
  bool AtEnd() const { return pos_ >= s_.size(); }

  void SkipLineStart(ParsedLine& parsed) {
    while (!AtEnd() && (IsArgumentSeparator(s_[pos_]) || s_[pos_] == '@')) {
      if (s_[pos_] == '@') parsed.echoed = false;
      ++pos_;
    }
  }

  void SkipSeparators() {
    while (!AtEnd() && (IsArgumentSeparator(s_[pos_]) || s_[pos_] == '@')) ++pos_;
  }

  Sequence ParseSequence() {
    Sequence sequence;
    Joiner joiner = Joiner::Always;
    for (;;) {
      SkipSeparators();
      if (AtEnd()) {
        // A trailing "&" is harmless; a dangling "&&", "||" or "|" is not.
        if (!sequence.steps.empty() && joiner != Joiner::Always) throw SyntaxError(kSyntaxIncorrect);
        break;
      }
      if (IsOperator(s_[pos_])) throw SyntaxError(std::string(1, s_[pos_]) + " was unexpected at this time.");
      sequence.steps.push_back(Step{joiner, ParseCommand()});
      if (AtEnd()) break;
      joiner = ReadJoiner();
    }
    return sequence;
  }

  Joiner ReadJoiner() {
    const char first = s_[pos_++];
    const bool doubled = !AtEnd() && s_[pos_] == first;
    if (doubled) ++pos_;
    if (first == '&') return doubled ? Joiner::IfSucceeded : Joiner::Always;
    return doubled ? Joiner::IfFailed : Joiner::Pipe;
  }

  // The command word as it stands, for recognising if and rem; nothing is consumed.
  std::string_view PeekCommandWord() const {
    std::size_t end = pos_;
    while (end < s_.size() && !IsArgumentSeparator(s_[end]) && !IsOperator(s_[end]) && !IsRedirect(s_[end]) &&
           s_[end] != '"' && s_[end] != '^') {
      ++end;
    }
    return s_.substr(pos_, end - pos_);
  }

  Command ParseCommand() {
    const std::string_view word = PeekCommandWord();
    if (platform::SameNameIgnoringCase(word, "rem")) {
      RemCommand rem{std::string(s_.substr(pos_))};
      pos_ = s_.size();
      return rem;
    }
    if (platform::SameNameIgnoringCase(word, "if")) return ParseIf();
    return ParseSimple();
  }

  IfCommand ParseIf() {
    const std::size_t start = pos_;
    pos_ += 2;
    IfCommand command;
    std::string word = ReadConditionWord();
    if (platform::SameNameIgnoringCase(word, "/i")) word = ReadConditionWord();
    if (platform::SameNameIgnoringCase(word, "not")) {
      command.negate = true;
      word = ReadConditionWord();
    }
    if (platform::SameNameIgnoringCase(word, "exist")) {
      command.test = IfCommand::Test::Exist;
    } else if (platform::SameNameIgnoringCase(word, "errorlevel")) {
      command.test = IfCommand::Test::ErrorLevel;
    } else {
      throw SyntaxError(kSyntaxIncorrect);
    }
    command.operand = ReadConditionWord();
    if (command.operand.empty()) throw SyntaxError(kSyntaxIncorrect);
    if (command.test == IfCommand::Test::ErrorLevel) {
      char* end = nullptr;
      std::strtol(command.operand.c_str(), &end, 10);
      if (*end != '\0') throw SyntaxError(kSyntaxIncorrect);
    }
    SkipSeparators();
    if (AtEnd() || IsOperator(s_[pos_])) throw SyntaxError(kSyntaxIncorrect);
    command.conditionText = std::string(s_.substr(start, pos_ - start));
    command.body = std::make_unique<Sequence>(ParseSequence());
    return command;
  }

  // A word of an if condition: quotes removed, carets applied; it ends at a separator or
  // at an unquoted operator or redirection.
  std::string ReadConditionWord() {
    SkipSeparators();
    std::string word;
    bool quoted = false;
    while (!AtEnd()) {
      const char c = s_[pos_];
      if (c == '"') {
        quoted = !quoted;
      } else if (quoted) {
        word += c;
      } else if (IsArgumentSeparator(c) || IsOperator(c) || IsRedirect(c)) {
        break;
      } else if (c == '^') {
        if (pos_ + 1 < s_.size()) word += s_[++pos_];
      } else {
        word += c;
      }
      ++pos_;
    }
    return word;
  }

  SimpleCommand ParseSimple() {
    SimpleCommand command;
    std::string text;
    bool quoted = false;
    while (!AtEnd()) {
      const char c = s_[pos_];
      if (quoted || c == '"') {
        if (c == '"') quoted = !quoted;
        text += c;
        ++pos_;
      } else if (c == '^') {
        ++pos_;  // escapes the next character; a caret at the end of the line is dropped
        if (!AtEnd()) text += s_[pos_++];
      } else if (IsOperator(c)) {
        break;
      } else if (IsRedirect(c)) {
        command.redirections.push_back(ReadRedirection(text));
      } else {
        text += c;
        ++pos_;
      }
    }
    SplitName(text, command);
    return command;
  }

  // `text` holds what came before the redirection; a lone digit there names the handle.
  Redirection ReadRedirection(std::string& text) {
    Redirection r;
    const char c = s_[pos_++];
    r.handle = c == '<' ? 0 : 1;
    const std::size_t n = text.size();
    if (n > 0 && IsDigit(text[n - 1]) && (n == 1 || IsArgumentSeparator(text[n - 2]))) {
      r.handle = text[n - 1] - '0';
      text.pop_back();
    }
    if (c == '>' && !AtEnd() && s_[pos_] == '>') {
      r.append = true;
      ++pos_;
    }
    if (!AtEnd() && s_[pos_] == '&') {
      ++pos_;
      if (AtEnd() || !IsDigit(s_[pos_])) throw SyntaxError(kSyntaxIncorrect);
      r.duplicateOf = s_[pos_++] - '0';
      return r;
    }
    while (!AtEnd() && IsBlank(s_[pos_])) ++pos_;
    ReadTarget(r);
    if (r.target.empty()) throw SyntaxError(kSyntaxIncorrect);
    return r;
  }

  void ReadTarget(Redirection& r) {
    bool quoted = false;
    while (!AtEnd()) {
      const char c = s_[pos_];
      if (c == '"') {
        quoted = !quoted;
        r.targetAsWritten += c;
      } else if (quoted) {
        r.target += c;
        r.targetAsWritten += c;
      } else if (IsBlank(c) || IsOperator(c) || IsRedirect(c)) {
        break;
      } else if (c == '^') {
        if (pos_ + 1 < s_.size()) {
          r.target += s_[++pos_];
          r.targetAsWritten += s_[pos_];
        }
      } else {
        r.target += c;
        r.targetAsWritten += c;
      }
      ++pos_;
    }
  }

  static void SplitName(const std::string& text, SimpleCommand& command) {
    std::size_t start = 0;
    while (start < text.size() && IsArgumentSeparator(text[start])) ++start;
    std::size_t end = start;
    bool quoted = false;
    while (end < text.size() && (quoted || !IsArgumentSeparator(text[end]))) {
      if (text[end] == '"') quoted = !quoted;
      ++end;
    }
    command.name = text.substr(start, end - start);
    command.rest = text.substr(end);
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string Redirection::Display() const {
  std::string text(" ");
  text += std::to_string(handle);
  text += handle == 0 ? "<" : append ? ">>" : ">";
  if (duplicateOf >= 0) return text + "&" + std::to_string(duplicateOf);
  return text + targetAsWritten;
}

std::string ParsedLine::Display() const { return DisplaySequence(sequence); }

ParsedLine ParseLine(std::string_view expandedLine) { return LineParser(expandedLine).Parse(); }

bool IsArgumentSeparator(char c) { return IsBlank(c) || c == ',' || c == ';' || c == '='; }

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && IsArgumentSeparator(c)) {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

}  // namespace vantrel::cmdshell
