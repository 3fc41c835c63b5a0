#pragma once
// Where the window program keeps the working folder it entered last, between runs: in Qt's
// settings on Linux (folder_memory_qt.cpp), in the user's part of the registry on Windows
// (folder_memory_win32.cpp).
#include <string>
#include <vector>

namespace vantrel::app {

// The folder remembered last, in UTF-8; "" before the first time.
std::string RememberedFolder();
// Remembers `folder` ("" forgets). Raises Error when the memory cannot be written.
void RememberFolder(const std::string& folder);

// Remembers the working folder entered, and puts its game first among the games.
void RememberWorkingFolder(const std::string& folder);

// The game folders the window worked in, most recent first.
std::vector<std::string> RememberedGames();
// Puts `game` first among them. Raises as RememberFolder does.
void RememberGame(const std::string& game);

namespace detail {
// Each system's memory: the text remembered under `name`, "" for none; and storing it.
std::string Recall(const char* name);
void Store(const char* name, const std::string& text);
}  // namespace detail

}  // namespace vantrel::app
