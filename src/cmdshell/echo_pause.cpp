// echo and pause: the commands that only talk to the console.
#include "cmdshell/command_context.h"
#include "cmdshell/line_parser.h"
#include "cmdshell/shell_texts.h"
#include "platform/names.h"

namespace vantrel::cmdshell {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

CommandResult RunEcho(CommandContext& ctx, std::string_view arguments) {
  // The one character that ended the word echo is dropped; the rest stands as written,
  // trailing blanks included. "echo." and the like print what follows the dot.
  const bool plain = arguments.empty() || IsArgumentSeparator(arguments.front());
  const std::string_view text = arguments.empty() ? arguments : arguments.substr(1);
  if (plain) {
    const std::string_view word = TrimBlanks(text);
    if (word.empty()) {
      WriteLine(ctx.out, ctx.state.echoOn ? kEchoIsOn : kEchoIsOff);
      return std::nullopt;
    }
    if (platform::SameNameIgnoringCase(word, "on") || platform::SameNameIgnoringCase(word, "off")) {
      ctx.state.echoOn = platform::SameNameIgnoringCase(word, "on");
      return std::nullopt;
    }
  }
  WriteLine(ctx.out, text);
  return std::nullopt;
}

CommandResult RunPause(CommandContext& ctx, std::string_view) {
  ctx.out << kPressAnyKey;
  ctx.out.flush();
  if (!ctx.in.ReadKey()) return 1;  // input at its end: nobody to wait for
  ctx.out << kNewLine;
  return std::nullopt;
}

}  // namespace vantrel::cmdshell
