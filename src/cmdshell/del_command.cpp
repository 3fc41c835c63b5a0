// del and erase: removes the files a name or pattern matches, never a folder.
#include <algorithm>
#include <string>

#include "cmdshell/command_context.h"
#include "cmdshell/line_parser.h"
#include "cmdshell/shell_paths.h"
#include "cmdshell/shell_texts.h"
#include "platform/files.h"

namespace vantrel::cmdshell {

namespace {

struct DelOptions {
  bool quiet = false;  // /Q: no question for a whole folder
  bool force = false;  // /F: read-only files too
};

bool NamesEveryFile(std::string_view mask) { return mask == "*" || mask == "*.*"; }

bool ConfirmWholeFolder(CommandContext& ctx, const std::string& pattern) {
  ctx.out << FullPathForDisplay(pattern) << kAreYouSure;
  ctx.out.flush();
  const std::optional<std::string> answer = ctx.in.ReadLine();
  if (!answer) {
    ctx.out << kNewLine;
    return false;
  }
  const auto first = std::find_if(answer->begin(), answer->end(), [](char c) { return !IsArgumentSeparator(c); });
  return first != answer->end() && (*first == 'y' || *first == 'Y');
}

// Returns the errorlevel: 1 when the name is refused or a file stays, 0 otherwise
// (a name that matches nothing included).
int DeleteMatching(CommandContext& ctx, const std::string& name, const DelOptions& options) {
  if (!IsWellFormedName(name, true)) {
    WriteLine(ctx.err, kBadName);
    return 1;
  }
  const NamedFiles found = FindNamedFiles(name);
  if (found.folderMissing) {
    WriteLine(ctx.err, kPathNotFound);
    return 1;
  }
  if (NamesEveryFile(found.mask) && !options.quiet && !ConfirmWholeFolder(ctx, found.pattern)) return 0;
  if (found.names.empty()) {
    WriteLine(ctx.err, kCouldNotFind + FullPathForDisplay(found.pattern));
    return 0;
  }
  int level = 0;
  for (const std::string& stored : found.names) {
    const std::string file = found.folder + stored;
    try {
      if (!options.force) RefuseReadOnly(LookUpName(file));
      platform::DeleteFileAt(file);
    } catch (const InOutError& error) {
      WriteLine(ctx.err, FullPathForDisplay(file));
      WriteLine(ctx.err, MessageFor(error));
      level = 1;
    }
  }
  return level;
}

}  // namespace

CommandResult RunDel(CommandContext& ctx, std::string_view arguments) {
  const CommandWords words = ReadCommandWords(arguments, {"Q", "F"});
  if (words.names.empty()) throw Error(kSyntaxIncorrect);
  const DelOptions options{words.Has("Q"), words.Has("F")};
  int level = 0;
  for (const std::string& name : words.names) level = std::max(level, DeleteMatching(ctx, name, options));
  return level;
}

}  // namespace vantrel::cmdshell
