// del and erase: removes the files a name or pattern matches, never a folder.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cmdshell/command_context.h"
#include "cmdshell/line_parser.h"
#include "cmdshell/shell_paths.h"
#include "cmdshell/shell_texts.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/search.h"

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
  const bool wildcards = HasWildcards(name);
  std::optional<NameOnDisk> exact;
  if (!wildcards) exact = LookUpName(name);  // an exact name never costs a read of its folder
  const bool wholeFolder = EndsWithSeparator(name) || (exact && exact->directory);
  // del FOLDER empties the folder and leaves it standing.
  const std::string pattern = wholeFolder ? JoinName(name, "*") : name;
  const platform::PathParts parts = platform::SplitLastComponent(pattern);
  if (!parts.folder.empty() && !platform::DirectoryExists(parts.folder)) {
    WriteLine(ctx.err, kPathNotFound);
    return 1;
  }
  if (NamesEveryFile(parts.name) && !options.quiet && !ConfirmWholeFolder(ctx, pattern)) return 0;

  // Hidden files are skipped, as a del without attributes skips them.
  std::vector<std::string> files;
  if (wildcards || wholeFolder) {
    const std::string folder = pattern.substr(0, pattern.size() - parts.name.size());
    for (const platform::FoundEntry& entry : platform::FindEntries(pattern, platform::Admit::Files)) {
      files.push_back(folder + entry.name);
    }
  } else if (exact->exists && !platform::IsHiddenName(parts.name)) {
    files.push_back(name);
  }
  if (files.empty()) {
    WriteLine(ctx.err, kCouldNotFind + FullPathForDisplay(pattern));
    return 0;
  }
  int level = 0;
  for (const std::string& file : files) {
    try {
      // Permission bits do not stop root, yet Windows never deletes a read-only file.
      if (!options.force && platform::IsReadOnly(file)) throw InOutError(5);
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
