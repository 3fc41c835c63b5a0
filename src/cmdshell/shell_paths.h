#pragma once
// Names on a command line, as the commands see them before the platform layer resolves them.
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cmdshell {

// The last component holds "?" or "*".
bool HasWildcards(std::string_view name);

// False for a name cmd refuses as bad syntax: a component Windows cannot hold, or a
// wildcard anywhere but in the last component (or at all, unless `wildcardsAllowed`).
bool IsWellFormedName(std::string_view name, bool wildcardsAllowed);

bool EndsWithSeparator(std::string_view name);

// folder + "\" + name, or the name alone for the current folder.
std::string JoinName(std::string_view folder, std::string_view name);

// What a name stands for on disk, from a single resolution of the name, so that the
// questions a command asks about it cost one stat rather than one resolution each.
struct NameOnDisk {
  std::string path;  // as the platform layer resolved it
  bool exists = false;
  bool directory = false;
  bool readOnly = false;
};
NameOnDisk LookUpName(std::string_view name);

// Windows never deletes, replaces or writes into a read-only file. Permission bits do not
// stop root, so the commands refuse such a file themselves: InOutError 5.
void RefuseReadOnly(const NameOnDisk& target);

// The files a name on a command line stands for: those a wildcard pattern matches, those in
// a folder (a name that is a folder, or ends in a separator, stands for FOLDER\*), or the
// one file named. Hidden files and folders are left out, as cmd leaves them out without
// attribute switches. An exact name costs no read of its folder when it is there.
struct NamedFiles {
  std::string pattern;  // the name, with "\*" added for a folder
  std::string folder;   // the pattern's folder part as written, with its separator
  std::string mask;     // the pattern's last component
  std::vector<std::string> names;  // as stored on disk
  bool several = false;            // from a pattern or a folder: cmd names each file
  bool folderMissing = false;      // set when nothing was found because the folder is not there
};
NamedFiles FindNamedFiles(std::string_view name);

// The full path of a name the way cmd reports it: the current folder in front, the folder
// part found on disk, "." and ".." worked out; the last component as written.
std::string FullPathForDisplay(std::string_view name);

}  // namespace vantrel::cmdshell
