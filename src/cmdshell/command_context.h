#pragma once
// What a built-in command works with, and the commands themselves.
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cmdshell/console.h"

namespace vantrel::cmdshell {

struct ShellState {
  int errorlevel = 0;
  bool echoOn = true;
};

// The handles of one command, after its redirections.
struct CommandContext {
  std::ostream& out;
  std::ostream& err;
  InputSource& in;
  ShellState& state;
};

// The errorlevel a command leaves, or nullopt when the old one stands (as after echo).
using CommandResult = std::optional<int>;

// Each command takes the text after its name, starting with the character that ended the
// name. They report what cmd reports and raise vantrel::Error for a refused command line.
CommandResult RunCopy(CommandContext& ctx, std::string_view arguments);
CommandResult RunMove(CommandContext& ctx, std::string_view arguments);
CommandResult RunDel(CommandContext& ctx, std::string_view arguments);
CommandResult RunEcho(CommandContext& ctx, std::string_view arguments);
CommandResult RunPause(CommandContext& ctx, std::string_view arguments);

// Writes `text` and cmd's line end.
void WriteLine(std::ostream& out, std::string_view text);

// A command's names, and the letters of its "/X" switches upper-cased. A switch outside
// `known` raises Error("Invalid switch - /X").
struct CommandWords {
  std::vector<std::string> names;
  std::vector<std::string> switches;
  bool Has(std::string_view letter) const;
};
CommandWords ReadCommandWords(std::string_view arguments, std::initializer_list<std::string_view> known);

}  // namespace vantrel::cmdshell
