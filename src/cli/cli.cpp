#include "cli/cli.h"

#include <ostream>

#include "cli/activate_command.h"
#include "cli/list_commands.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/process.h"

namespace vantrel::cli {

namespace {

constexpr const char* kProgram = "vantrel-cli";

void PrintHelp(std::ostream& out) {
  out << "Usage: " << kProgram << " [-C DIR] COMMAND [ARGS]\n"
      << "Installs and removes game patches from the working folder (the current folder, or DIR).\n\n"
      << "Commands:\n";
  for (const auto& command : Commands()) {
    std::string head = std::string(command.name) + (*command.synopsis ? " " : "") + command.synopsis;
    out << "  " << head << std::string(head.size() < 34 ? 34 - head.size() : 1, ' ') << command.summary << '\n';
  }
  out << "\nOptions:\n"
      << "  -C DIR                            use DIR as the working folder\n"
      << "  -h, --help                        show this help\n";
}

const Command& FindCommand(const std::string& name) {
  for (const auto& command : Commands()) {
    if (name == command.name) return command;
  }
  throw UsageError("unknown command '" + name + "'");
}

}  // namespace

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"patches", "", "scan the working folder and list the available patches", Patches},
      {"slots", "", "list the destination slots", Slots},
      {"active", "", "list the active patches", Active},
      {"activate", "FOLDER SLOT [--fm S,2,3] [--no-run]", "install a patch into a slot and list the active patches", Activate},
      {"deactivate", "ENTRY [--no-run]", "remove an active patch and list the active patches", Deactivate},
  };
  return commands;
}

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    std::size_t i = 0;
    std::string folder;
    for (; i < args.size(); ++i) {
      const std::string& arg = args[i];
      if (arg == "-h" || arg == "--help") {
        PrintHelp(out);
        return 0;
      }
      if (arg == "-C") {
        if (++i == args.size()) throw UsageError("option -C needs a folder");
        folder = args[i];
      } else if (arg.size() > 1 && arg[0] == '-') {
        throw UsageError("unknown option '" + arg + "'");
      } else {
        break;
      }
    }
    if (i == args.size()) throw UsageError("no command given");
    const Command& command = FindCommand(args[i]);
    const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());

    if (!folder.empty()) platform::ChangeDirectory(folder);
    Session session;
    session.shellProgram = platform::IsNtFamily() ? "cmd" : "command";
    session.showMessage = [&err](const std::string& text) { err << kProgram << ": " << text << '\n'; };
    command.run(session, rest, out);
    return 0;
  } catch (const UsageError& e) {
    err << kProgram << ": " << e.what() << "\nTry '" << kProgram << " --help'.\n";
    return 2;
  } catch (const std::exception& e) {
    err << kProgram << ": " << e.what() << '\n';
    return 1;
  }
}

}  // namespace vantrel::cli
