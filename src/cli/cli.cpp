#include "cli/cli.h"

#include <optional>
#include <ostream>

#include "cli/activate_command.h"
#include "cli/add_command.h"
#include "cli/games_command.h"
#include "cli/history_commands.h"
#include "cli/list_commands.h"
#include "cli/set_command.h"
#include "cli/status_command.h"
#include "engine/working_folder.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "rbext/run_shell.h"
#include "vantrel_version.h"

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
      << "  -C DIR                            use DIR as the working folder (one of the game's)\n"
      << "  -h, --help                        show this help\n"
      << "  --version                         show the version\n";
}

// "76 patch folders were not listed (at most 1024 are)."
void WarnOfUnlisted(int count, const char* one, const char* many, int cap, std::ostream& err) {
  if (count == 0) return;
  err << kProgram << ": " << count << ' ' << (count == 1 ? one : many) << (count == 1 ? " was" : " were")
      << " not listed (at most " << cap << " are).\n";
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
      {"patches", "", "scan the working folder and list the available patches", true, Patches},
      {"slots", "", "list the destination slots", false, Slots},
      {"active", "", "list the active patches", false, Active},
      {"activate", "FOLDER SLOT [--fm S,2,3] [--no-run] [--no-pause] [--strict] [--plan]",
       "install a patch into a slot and list the active patches (--plan: print what it would do, writing nothing)",
       true, Activate},
      {"deactivate", "ENTRY [--no-run] [--no-pause] [--plan]",
       "remove an active patch and list the active patches (--plan: print what it would do, writing nothing)", true,
       Deactivate},
      {"status", "", "tell whether each active patch's files are in place (exit status 1 when not)", false, Status},
      {"repair", "ENTRY [--no-run]", "put an active patch's changed or missing files back and list the active patches", true,
       Repair},
      {"recover", "", "finish or undo the jobs that were cut short and list the active patches", true, Recover},
      {"history", "", "list the jobs run in the working folder, oldest first", false, History},
      {"undo", "", "reverse the last job that did its work and list the active patches", true, Undo},
      {"restore-game", "", "remove every patch and put back every original of the game", true, RestoreGame},
      {"add", "ARCHIVE [--name FOLDER]", "unpack the patches of a zip, 7z, rar or tar.gz archive and list the available patches",
       true, Add},
      {"set", "save|list|show|apply|delete|export|import ...",
       "patch sets: save NAME, list, show NAME, apply NAME, delete NAME, export NAME FILE, import FILE [--partial]", true,
       Set},
      {"games", "", "list the game installs found on this machine, each with its working folders", false, Games},
  };
  return commands;
}

namespace {

// The command line run in `session`; returns the exit status.
int RunCommandLine(Session& session, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    std::size_t i = 0;
    std::string folder;
    for (; i < args.size(); ++i) {
      const std::string& arg = args[i];
      if (AnswerInfoOption(arg, kProgram, PrintHelp, out)) return 0;
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

    if (!folder.empty()) {
      platform::ChangeDirectory(folder);
      if (const std::string why = WhyNotAWorkingFolder(folder); !why.empty()) throw UsageError(why);
    }
    session.shellProgram = JobShellProgram();
    session.showMessage = [&err](const std::string& text) { err << kProgram << ": " << text << '\n'; };
    {
      // The whole job, the run of its script included: a second job in the folder waits.
      std::optional<platform::FolderLock> lock;
      if (command.writes) lock.emplace();
      command.run(session, rest, out);
    }
    return 0;
  } catch (const UsageError& e) {
    err << kProgram << ": " << e.what() << "\nTry '" << kProgram << " --help'.\n";
    return 2;
  } catch (const std::exception& e) {
    err << kProgram << ": " << e.what() << '\n';
    return 1;
  }
}

}  // namespace

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Session session;
  const int status = RunCommandLine(session, args, out, err);
  // A job that failed still listed what it found, and its lists are as short as ever.
  WarnOfUnlisted(session.cat.unlistedPatchFolders, "patch folder", "patch folders", kMaxPatchFolders, err);
  WarnOfUnlisted(session.cat.unlistedMarkers, "active patch", "active patches", kMaxActiveEntries, err);
  return status;
}

}  // namespace vantrel::cli
