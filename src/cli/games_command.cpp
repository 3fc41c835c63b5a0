#include "cli/games_command.h"

#include <ostream>

#include "cli/list_commands.h"
#include "games/game_search.h"
#include "platform/errors.h"

namespace vantrel::cli {

namespace {

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

}  // namespace

void Games(Session&, const std::vector<std::string>& args, std::ostream& out) {
  NoArguments(args);
  const games::SearchResult found =
      games::FindGameInstalls(games::PlacesToLook(), std::chrono::steady_clock::now() + games::kSearchTime);
  for (const games::GameInstall& install : found.installs) {
    out << Utf8(install.folder) << '\n';
    for (const std::string& working : install.workingFolders) out << "  " << working << '\n';
  }
  if (!found.unreadable.empty()) {
    out << found.unreadable.size() << (found.unreadable.size() == 1 ? " folder" : " folders")
        << " could not be looked into, the first: " << Utf8(found.unreadable.front()) << '\n';
  }
  if (found.gaveUp) {
    out << "Gave up looking after " << games::kSearchTime.count() << " seconds: there may be more.\n";
  }
  if (found.installs.empty()) throw Error("No game install was found.");
}

}  // namespace vantrel::cli
