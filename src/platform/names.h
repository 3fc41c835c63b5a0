#pragma once
// Names as Windows sees them, over a POSIX file system.
#include <string>
#include <string_view>

namespace vantrel::platform {

char UpperAscii(char c);
bool IsPathSeparator(char c);  // "\" and "/" alike
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
// Ascending order of names compared upper-cased byte by byte: the order an NTFS volume lists them.
bool NtfsNameLess(std::string_view a, std::string_view b);

// False for a name Windows cannot hold (any of < > : " / \ | ? * or a byte below 32).
// Such entries are invisible to searches and existence tests.
bool WindowsCanHold(std::string_view name);
// False as well for the names Windows keeps for its devices (CON, PRN, AUX, NUL, COM1-9,
// LPT1-9, with or without an extension, in any letter case) and for a name that ends in a
// dot or a space, which Windows would cut off: a file we create under such a name could
// not be reached from the game.
bool WindowsCanCreate(std::string_view name);
// False for a name longer than one entry of a folder can be (255 bytes here).
bool FitsInOneName(std::string_view name);
// Hidden: a name that starts with ".".
bool IsHiddenName(std::string_view name);

// Turns a path as the system writes it ("\" or "/" separated, relative to the current
// folder or absolute) into the POSIX path of the entry it names: each component is found
// without regard to ASCII letter case (an exact match wins, otherwise the first case
// variant in search order). Components that do not exist are kept as given, so a new
// file is created under the name as written. "." and ".." are kept.
// A component there as written costs one lstat; one that is not is looked for in its
// folder's name index, which reads the folder once, and again only after something
// outside this process has changed it.
std::string ResolvePath(std::string_view path);

// The folder part (up to and without the last separator, "" when there is none) and the
// last component of a "\" or "/" separated path.
struct PathParts {
  std::string folder;
  std::string name;
};
PathParts SplitLastComponent(std::string_view path);

}  // namespace vantrel::platform
