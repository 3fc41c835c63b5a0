#pragma once
// Internal to the platform layer: where a write lands, and the game tree check every
// write makes before it happens. Not part of the layer's interface.
#include <string>
#include <string_view>

namespace vantrel::platform::detail {

// The file a write through `posixPath` (on Windows the path as written) reaches: the path
// itself, or, when it names a symbolic link (a reparse point on Windows), the place the link
// leads to (links followed to their end), so that a copy onto a link inside the game
// changes the linked file and keeps the link.
// With confinement on, raises Error naming `written` when that place is outside the game tree.
std::string WriteTarget(const std::string& posixPath, std::string_view written);

// For an entry that is itself removed or renamed (a delete, the source of a move): the
// folder that holds it must lie inside the game tree. Raises Error naming `written`.
void CheckEntryInGameTree(const std::string& posixPath, std::string_view written);

}  // namespace vantrel::platform::detail
