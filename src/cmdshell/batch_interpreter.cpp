#include "cmdshell/batch_interpreter.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "cmdshell/redirection.h"
#include "cmdshell/shell_paths.h"
#include "cmdshell/shell_texts.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/search.h"
#include "platform/text_file.h"

namespace vantrel::cmdshell {

namespace {

struct Builtin {
  std::string_view name;
  CommandResult (*run)(CommandContext&, std::string_view);
  // pause leaves errorlevel 1 when nobody is there to press a key: the job still did its work.
  bool levelIsOutcome = true;
};

constexpr Builtin kBuiltins[] = {
    {"copy", RunCopy}, {"del", RunDel},   {"echo", RunEcho},
    {"erase", RunDel}, {"move", RunMove}, {"pause", RunPause, false},
};

// Characters that end a built-in command's name inside a word, as in "echo." or "copy/y".
bool EndsCommandName(char c) {
  return c == '.' || c == '/' || c == '(' || c == '\\' || c == ':' || c == '+' || c == '[' || c == ']';
}

// The built-in `command` names, with the text that follows its name in `arguments`.
const Builtin* FindBuiltin(const SimpleCommand& command, std::string& arguments) {
  for (const Builtin& builtin : kBuiltins) {
    const std::size_t n = builtin.name.size();
    const std::string_view word = command.name;
    if (word.size() < n || !platform::SameNameIgnoringCase(word.substr(0, n), builtin.name)) continue;
    if (word.size() > n && !EndsCommandName(word[n])) continue;
    arguments = std::string(word.substr(n)) + command.rest;
    return &builtin;
  }
  return nullptr;
}

}  // namespace

BatchInterpreter::BatchInterpreter(Console console, std::vector<std::string> arguments, EnvironmentLookup environment)
    : console_(console), arguments_(std::move(arguments)), environment_(std::move(environment)) {}

void BatchInterpreter::RunLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) RunLine(line);
}

void BatchInterpreter::RunLine(std::string_view line) {
  std::string text(line);
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  lineFailed_ = false;
  try {
    const std::string expanded = ExpandPercents(text, arguments_, environment_);
    if (expanded.size() > kMaxLineLength) throw Error(kLineTooLong);
    const ParsedLine parsed = ParseLine(expanded);
    if (parsed.sequence.steps.empty()) return;
    if (state_.echoOn && parsed.echoed) {
      console_.out << kNewLine << platform::CurrentDirectory() << '>' << parsed.Display() << ' ' << kNewLine;
    }
    RunSequence(parsed.sequence, Handles{&console_.out, &console_.err, &console_.in});
  } catch (const std::exception& error) {
    // A line that cannot run is reported like any failed command; the script goes on.
    WriteLine(console_.err, MessageFor(error));
    state_.errorlevel = 1;
    lineFailed_ = true;
  }
  if (lineFailed_) failedLines_.push_back(text);
  console_.out.flush();
}

bool BatchInterpreter::RunSequence(const Sequence& sequence, Handles handles) {
  bool succeeded = true;
  std::size_t i = 0;
  while (i < sequence.steps.size()) {
    std::size_t end = i + 1;  // one past the last command of this pipe chain
    while (end < sequence.steps.size() && sequence.steps[end].joiner == Joiner::Pipe) ++end;
    const Joiner joiner = sequence.steps[i].joiner;
    const bool skip = (joiner == Joiner::IfSucceeded && !succeeded) || (joiner == Joiner::IfFailed && succeeded);
    if (!skip) {
      // Each command of a chain reads what the one before it wrote.
      std::unique_ptr<TextInput> piped;
      Handles stage = handles;
      for (std::size_t k = i; k < end; ++k) {
        std::ostringstream captured;
        if (k + 1 < end) stage.out = &captured;
        succeeded = RunCommand(sequence.steps[k].command, stage);
        if (k + 1 < end) {
          piped = std::make_unique<TextInput>(captured.str());
          stage = handles;
          stage.in = piped.get();
        }
      }
    }
    i = end;
  }
  return succeeded;
}

bool BatchInterpreter::RunCommand(const Command& command, Handles handles) {
  if (const auto* simple = std::get_if<SimpleCommand>(&command)) return RunSimple(*simple, handles);
  if (const auto* test = std::get_if<IfCommand>(&command)) {
    return !TestHolds(*test) || RunSequence(*test->body, handles);
  }
  return true;  // rem
}

bool BatchInterpreter::RunSimple(const SimpleCommand& command, Handles handles) {
  CommandResult result;
  levelIsOutcome_ = true;
  try {
    RedirectedHandles redirected(*handles.out, *handles.err, *handles.in);
    for (const Redirection& redirection : command.redirections) redirected.Apply(redirection);
    CommandContext ctx{redirected.out(), redirected.err(), redirected.in(), state_};
    try {
      result = RunNamed(command, ctx);
    } catch (const Error& error) {
      WriteLine(ctx.err, MessageFor(error));
      result = 1;
    }
    redirected.Finish();
  } catch (const Error& error) {
    // The redirection itself failed: the command does not run.
    WriteLine(*handles.err, MessageFor(error));
    result = 1;
  }
  if (result) state_.errorlevel = *result;
  const bool failed = result && *result != 0;
  if (failed && levelIsOutcome_) lineFailed_ = true;
  return !failed;
}

CommandResult BatchInterpreter::RunNamed(const SimpleCommand& command, CommandContext& ctx) {
  if (command.name.empty()) return std::nullopt;  // only redirections: the files are made
  std::string arguments;
  if (const Builtin* builtin = FindBuiltin(command, arguments)) {
    levelIsOutcome_ = builtin->levelIsOutcome;
    return builtin->run(ctx, arguments);
  }
  WriteLine(ctx.err, "'" + command.name + kNotRecognizedTail);
  WriteLine(ctx.err, kNotRecognizedLast);
  return kErrorLevelNotRecognized;
}

bool BatchInterpreter::TestHolds(const IfCommand& command) const {
  bool holds = false;
  const std::string& operand = command.operand;
  if (command.test == IfCommand::Test::ErrorLevel) {
    holds = state_.errorlevel >= std::atoi(operand.c_str());
  } else if (IsWellFormedName(operand, true)) {
    // Any entry counts, hidden ones and folders included.
    holds = HasWildcards(operand) ? !platform::FindEntries(operand, platform::Admit::Everything).empty()
                                  : LookUpName(operand).exists;
  }
  return holds != command.negate;
}

int RunBatchFile(std::string_view path, const std::vector<std::string>& arguments, Console console) {
  std::vector<std::string> lines;
  try {
    lines = platform::ReadTextLines(path);
  } catch (const InOutError& error) {
    WriteLine(console.err, error.code() == 2 || error.code() == 3 ? kPathNotFound : MessageFor(error));
    return 1;
  }
  std::vector<std::string> all{std::string(path)};
  all.insert(all.end(), arguments.begin(), arguments.end());
  BatchInterpreter shell(console, std::move(all));
  shell.RunLines(lines);
  const std::vector<std::string>& failed = shell.failedLines();
  if (failed.empty()) return 0;
  // The console scrolls past a failure among the deletions' "Could Not Find" lines; the
  // caller learns from the exit status, the user from this list.
  // On a line of its own, also after a pause prompt that found no key.
  console.err << kNewLine;
  WriteLine(console.err, FailedLinesHeading(path, failed.size()));
  for (const std::string& line : failed) WriteLine(console.err, "  " + line);
  const int level = shell.state().errorlevel;
  return level >= 1 && level <= 255 ? level : level > 255 ? 255 : 1;
}

}  // namespace vantrel::cmdshell
