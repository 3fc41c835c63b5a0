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
#include "platform/search.h"

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

struct SourceFiles {
  std::string folder;  // as written, with its closing separator; "" for the current folder
  std::vector<std::string> names;
  bool pattern = false;
};

// Raises cmd's error when the source names no file. Hidden files are not taken, as a
// search without attributes skips them; an exact name is looked up without reading its folder.
SourceFiles FindSources(std::string_view source) {
  std::string pattern(source);
  if (EndsWithSeparator(source) || (!HasWildcards(source) && platform::DirectoryExists(source))) {
    pattern = JoinName(source, "*");  // a folder stands for every file in it
  }
  if (!IsWellFormedName(pattern, true)) throw Error(kBadName);
  const platform::PathParts parts = platform::SplitLastComponent(pattern);
  SourceFiles found;
  found.folder = pattern.substr(0, pattern.size() - parts.name.size());
  found.pattern = HasWildcards(pattern);
  if (found.pattern) {
    for (const platform::FoundEntry& entry : platform::FindEntries(pattern, platform::Admit::Files)) {
      found.names.push_back(entry.name);
    }
  } else if (!platform::IsHiddenName(parts.name) && platform::FileExists(pattern)) {
    found.names.push_back(platform::SplitLastComponent(platform::ResolvePath(pattern)).name);
  }
  if (found.names.empty()) {
    if (!parts.folder.empty() && !platform::DirectoryExists(parts.folder)) throw InOutError(3);
    throw InOutError(2);
  }
  return found;
}

TransferPlan PlanTransfer(std::string_view source, std::string_view target) {
  SourceFiles found = FindSources(source);
  if (!IsWellFormedName(target, false)) throw Error(kBadName);
  const NameOnDisk destination = LookUpName(target.empty() ? std::string_view(".") : target);
  const bool intoFolder = destination.directory || EndsWithSeparator(target);
  if (intoFolder) {
    if (!destination.directory) throw InOutError(3);
  } else {
    if (found.pattern) throw Error(kCannotJoinFiles);
    const std::string folder = platform::SplitLastComponent(target).folder;
    if (!folder.empty() && !platform::DirectoryExists(folder)) throw InOutError(3);
  }
  TransferPlan plan;
  plan.listNames = found.pattern;
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
  // Permission bits do not stop root, yet Windows never replaces a read-only file.
  if (target.readOnly) throw InOutError(5);
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
