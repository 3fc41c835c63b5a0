#pragma once
// The game tree: the working folder's parent and everything below it. A job may change
// files there and nowhere else, so a symbolic link that leads out of it is never written
// through. Programs that change a player's files switch the confinement on at start.
#include <string>
#include <string_view>

namespace vantrel::platform {

// On: every write, create, delete and move of the platform layer that would reach outside
// the game tree of the current folder raises Error(LinkOutOfGameText(name)). Off (the
// default): no check. The game tree is taken from the current folder at each check, so it
// follows a change of working folder.
void ConfineWritesToGameTree(bool on);
bool WritesConfined();

// With confinement on, raises Error(LinkOutOfGameText(name)) when a write to `name` (a path
// as a job script writes it, relative to the working folder) would land outside the game
// tree. For the writes of a shell that is not ours, which cannot be checked as they happen:
// Windows' cmd copies through a link wherever it leads.
void CheckJobWriteInGameTree(std::string_view name);

// For a write in place (a model file's record), which reaches the file under every name it
// has: with confinement on, raises as CheckJobWriteInGameTree does, and raises
// Error(HardLinkedText(name)) for a file with more than one name, since where the others are
// cannot be told cheaply and one may be outside the game. Raises InOutError for a file that
// cannot be looked at.
void CheckInPlaceWriteInGameTree(std::string_view name);

// "Not changed: NAME leads out of the game folder through a symbolic link."
std::string LinkOutOfGameText(std::string_view name);
// "Not changed: NAME has other names through hard links, and one may be outside the game folder."
std::string HardLinkedText(std::string_view name);

}  // namespace vantrel::platform
