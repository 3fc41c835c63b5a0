#include "cli/games_command.h"

#include <ostream>

#include "cli/list_commands.h"
#include "games/game_choice.h"
#include "games/game_search.h"
#include "platform/errors.h"

namespace vantrel::cli {

void Games(Session&, const std::vector<std::string>& args, std::ostream& out) {
  NoArguments(args);
  const games::SearchResult found = games::FindGamesOnThisMachine();
  for (const games::GameInstall& install : found.installs) {
    out << games::Utf8Path(install.folder) << '\n';
    for (const std::string& working : install.workingFolders) out << "  " << working << '\n';
  }
  if (!found.unreadable.empty()) {
    out << found.unreadable.size() << (found.unreadable.size() == 1 ? " folder" : " folders")
        << " could not be looked into, the first: " << games::Utf8Path(found.unreadable.front()) << '\n';
  }
  if (found.gaveUp) {
    out << "Gave up looking after " << games::kSearchTime.count() << " seconds: there may be more.\n";
  }
  if (found.installs.empty()) throw Error("No game install was found.");
}

}  // namespace vantrel::cli
