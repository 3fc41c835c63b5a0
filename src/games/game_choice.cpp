#include "games/game_choice.h"

#include <algorithm>

#include "engine/working_folder.h"
#include "platform/names.h"

namespace vantrel::games {

namespace fs = std::filesystem;

namespace {

fs::path FromUtf8(const std::string& text) { return fs::path(std::u8string(text.begin(), text.end())); }

bool SameFolder(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::equivalent(a, b, error);
}

std::string ChoiceText(const GameInstall& install) {
  std::string text = Utf8Path(install.folder) + "   (";
  for (std::size_t i = 0; i < install.workingFolders.size(); ++i) text += (i ? ", " : "") + install.workingFolders[i];
  return text + ")";
}

}  // namespace

std::string Utf8Path(const fs::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

GameChoices ChoicesOf(const std::vector<std::string>& remembered, const SearchResult& found) {
  GameChoices choices;
  const auto add = [&choices](const GameInstall& install) {
    const bool known = std::any_of(choices.installs.begin(), choices.installs.end(),
                                   [&install](const GameInstall& other) { return SameFolder(other.folder, install.folder); });
    if (!known) choices.installs.push_back(install);
  };
  for (const std::string& folder : remembered) {
    for (const GameInstall& install : LookAt(FromUtf8(folder)).installs) add(install);
  }
  for (const GameInstall& install : found.installs) add(install);
  for (const GameInstall& install : choices.installs) choices.texts.push_back(ChoiceText(install));
  choices.texts.push_back(kChooseAFolder);
  return choices;
}

std::string WorkingFolderOf(const GameInstall& install, std::string_view preferred) {
  const auto named = [&install](std::string_view name) -> const std::string* {
    for (const std::string& working : install.workingFolders) {
      if (platform::SameNameIgnoringCase(working, name)) return &working;
    }
    return nullptr;
  };
  const std::string* chosen = preferred.empty() ? nullptr : named(preferred);
  for (std::string_view name : kWorkingFolderNames) {
    if (!chosen) chosen = named(name);
  }
  return Utf8Path(install.folder / FromUtf8(chosen ? *chosen : install.workingFolders.front()));
}

std::vector<std::string> WithGameFirst(std::vector<std::string> remembered, const std::string& game) {
  std::erase_if(remembered, [&game](const std::string& folder) { return folder == game || SameFolder(FromUtf8(folder), FromUtf8(game)); });
  remembered.insert(remembered.begin(), game);
  if (remembered.size() > kRememberedGames) remembered.resize(kRememberedGames);
  return remembered;
}

}  // namespace vantrel::games
