#pragma once
// Which folder may be the working folder: one of the game's working folders, beside the
// game's own archives, and never the game's folder itself nor a folder outside the game.
// Jobs take the working folder's parent for the game's folder (a volume patch's archives go
// to ..\rb.vol, and no write leaves that folder), so a folder one level too high would get
// slot files and markers among the game's archives, and one outside the game the archives.
#include <string>
#include <string_view>

namespace vantrel {

// The game's own working folders, as the window's folder box offers them.
inline constexpr std::string_view kWorkingFolderNames[] = {"Multi", "Simpatch", "Shellpat", "3dpatch"};

// Why the current folder is not a working folder of the game, the text naming it `name`; ""
// when it is one. It is one when
//   - it holds none of the archives the game keeps in its own folder (rb.vol and the like:
//     a folder that does is the game's folder),
//   - the folder above it holds one of those archives or another of the working folders
//     named above, so that it is the game's folder,
//   - and it is one of those working folders by name, or it holds what a working folder
//     holds: a patch folder, a model file or the support folder.
// Raises InOutError when a folder cannot be looked at: a look that fails answers nothing.
std::string WhyNotAWorkingFolder(std::string_view name);

// Makes `folder` the current folder when it is a working folder of the game and returns "";
// otherwise the current folder stays as it was and the text says why not. Raises InOutError
// naming `name` when the folder cannot be entered, and as WhyNotAWorkingFolder does, the
// current folder then as it was.
std::string EnterIfWorkingFolder(std::string_view folder, std::string_view name);

}  // namespace vantrel
