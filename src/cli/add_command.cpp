#include "cli/add_command.h"

#include <optional>

#include "archive/patch_archive.h"
#include "cli/list_commands.h"
#include "platform/errors.h"

namespace vantrel::cli {

void Add(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  std::vector<std::string> words;
  std::optional<std::string> name;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--name") {
      if (++i == args.size()) throw UsageError("option --name needs a folder name");
      name = args[i];
    } else if (args[i].size() > 1 && args[i].starts_with("--")) {
      throw UsageError("unknown option '" + args[i] + "'");
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.empty()) throw UsageError("missing argument");
  if (words.size() > 1) throw UsageError("unexpected argument '" + words[1] + "'");
  const std::string& archivePath = words.front();

  const std::vector<archive::FoundPatch> found = archive::FindPatchFolders(archivePath);
  if (name && found.size() > 1) {
    throw Error("--name names one folder, and " + archivePath + " holds " + std::to_string(found.size()) + " patches.");
  }
  // Every name is checked before the first patch is unpacked, so that a clash leaves the
  // working folder as it was.
  for (const archive::FoundPatch& patch : found) {
    const std::string& folder = name ? *name : patch.defaultName;
    if (const std::optional<std::string> why = archive::FolderNameRefusal(folder)) throw Error(*why);
  }
  for (const archive::FoundPatch& patch : found) {
    const std::string& folder = name ? *name : patch.defaultName;
    archive::ExtractPatchFolder(archivePath, patch, folder);
    s.showMessage(archive::AddedText(archivePath, patch, folder));
  }
  Patches(s, {}, out);
}

}  // namespace vantrel::cli
