// copy and move: one source name (a file, a wildcard pattern or a folder) to one target
// (a file or a folder).
#include <optional>
#include <string>
#include <vector>

#include "cmdshell/command_context.h"
#include "cmdshell/shell_paths.h"
#include "cmdshell/shell_texts.h"
#include "platform/files.h"
#include "platform/names.h"

namespace vantrel::cmdshell {

namespace {

struct FilePair {
  std::string source;
  std::string target;
  std::optional<NameOnDisk> known;  // the target, when the plan has looked it up already
};

struct TransferPlan {
  std::vector<FilePair> files;
  bool listNames = false;  // cmd names each file it takes from a pattern or folder
};

TransferPlan PlanTransfer(std::string_view source, std::string_view target) {
  if (!IsWellFormedName(source, true) || !IsWellFormedName(target, false)) throw Error(kBadName);
  const NamedFiles found = FindNamedFiles(source);
  if (found.names.empty()) throw InOutError(found.folderMissing ? 3 : 2);
  const NameOnDisk destination = LookUpName(target.empty() ? std::string_view(".") : target);
  const bool intoFolder = destination.directory || EndsWithSeparator(target);
  if (intoFolder) {
    if (!destination.directory) throw InOutError(3);
  } else {
    if (found.several) throw Error(kCannotJoinFiles);
    const std::string folder = platform::SplitLastComponent(target).folder;
    if (!folder.empty() && !platform::DirectoryExists(folder)) throw InOutError(3);
  }
  TransferPlan plan;
  plan.listNames = found.several;
  for (const std::string& name : found.names) {
    if (intoFolder) {
      plan.files.push_back({found.folder + name, JoinName(target, name), std::nullopt});
    } else {
      plan.files.push_back({found.folder + name, std::string(target), destination});
    }
  }
  return plan;
}

void TransferOne(const FilePair& file, bool move) {
  const NameOnDisk target = file.known ? *file.known : LookUpName(file.target);
  RefuseReadOnly(target);
  if (move) {
    platform::MoveFileTo(file.source, file.target);
  } else {
    platform::CopyFileKeepTime(file.source, file.target);
  }
}

CommandResult RunTransfer(CommandContext& ctx, const CommandWords& words, bool move) {
  const char* verb = move ? "moved" : "copied";
  if (words.names.empty() || words.names.size() > 2) throw Error(kSyntaxIncorrect);
  int done = 0;
  try {
    const TransferPlan plan = PlanTransfer(words.names[0], words.names.size() > 1 ? words.names[1] : "");
    for (const FilePair& file : plan.files) {
      if (plan.listNames) WriteLine(ctx.out, file.source);
      TransferOne(file, move);
      ++done;
    }
  } catch (const Error& error) {
    WriteLine(ctx.err, MessageFor(error));
    WriteLine(ctx.out, FileCountLine(done, verb));
    return 1;
  }
  WriteLine(ctx.out, FileCountLine(done, verb));
  return 0;
}

}  // namespace

CommandResult RunCopy(CommandContext& ctx, std::string_view arguments) {
  // Binary, verify, restartable and the like change nothing here; overwriting is the rule
  // inside a script.
  return RunTransfer(ctx, ReadCommandWords(arguments, {"Y", "-Y", "A", "B", "V", "N", "Z", "D", "L"}), false);
}

CommandResult RunMove(CommandContext& ctx, std::string_view arguments) {
  return RunTransfer(ctx, ReadCommandWords(arguments, {"Y", "-Y"}), true);
}

}  // namespace vantrel::cmdshell
