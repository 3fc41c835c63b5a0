#include "app/folder_memory.h"

#include "games/game_choice.h"
#include "platform/names.h"

namespace vantrel::app {

namespace {

constexpr const char* kFolder = "folder";
constexpr const char* kGames = "games";  // one folder a line

}  // namespace

std::string RememberedFolder() { return detail::Recall(kFolder); }

void RememberFolder(const std::string& folder) { detail::Store(kFolder, folder); }

void RememberWorkingFolder(const std::string& folder) {
  RememberFolder(folder);
  RememberGame(platform::SplitLastComponent(folder).folder);
}

std::vector<std::string> RememberedGames() {
  std::vector<std::string> games;
  const std::string text = detail::Recall(kGames);
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) games.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return games;
}

void RememberGame(const std::string& game) {
  std::string text;
  for (const std::string& folder : games::WithGameFirst(RememberedGames(), game)) text += folder + "\n";
  detail::Store(kGames, text);
}

}  // namespace vantrel::app
