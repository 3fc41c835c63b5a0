// libFuzzer target: one batch line through "%" expansion, the line parser, the echo text
// and the argument splitting of the commands. None of it may crash, whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cmdshell/command_context.h"
#include "cmdshell/line_parser.h"
#include "cmdshell/percent_expansion.h"
#include "cmdshell/shell_paths.h"

namespace {

using namespace vantrel::cmdshell;

void Visit(const Sequence& sequence) {
  for (const Step& step : sequence.steps) {
    if (const auto* simple = std::get_if<SimpleCommand>(&step.command)) {
      for (const std::string& word : SplitWords(simple->rest)) {
        IsWellFormedName(word, true);
        HasWildcards(word);
      }
      try {
        ReadCommandWords(simple->rest, {"Y", "Q"});
      } catch (const vantrel::Error&) {
        // An unknown switch is a refusal, not a fault.
      }
      for (const Redirection& r : simple->redirections) {
        if (r.duplicateOf < 0 && r.target.empty()) __builtin_trap();  // the parser promised a target
      }
    } else if (const auto* test = std::get_if<IfCommand>(&step.command)) {
      if (!test->body || test->body->steps.empty() || test->operand.empty()) __builtin_trap();
      Visit(*test->body);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  static const std::vector<std::string> arguments{"job.bat", "one", "two words"};
  const std::string expanded = ExpandPercents(line, arguments, [](std::string_view name) -> std::optional<std::string> {
    if (name.size() % 3 == 0) return std::nullopt;
    return std::string(name.size(), '%');  // values full of "%" must stay as they are
  });
  try {
    const ParsedLine parsed = ParseLine(expanded);
    (void)parsed.Display();
    Visit(parsed.sequence);
  } catch (const SyntaxError&) {
    // A refused line is an answer, not a fault.
  }
  return 0;
}
