#pragma once
// Directory search with a wildcard mask, as FindFirst/FindNext give it on Windows.
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::platform {

// Which entries a search admits.
enum class Admit {
  Files,            // plain files only: no folders, no hidden or system entries
  FilesAndFolders,  // files and folders, no hidden or system entries
  Folders,          // what FilesAndFolders gives, less the files: for callers that skip them
  Everything,       // every entry, hidden ones and folders included
};

struct FoundEntry {
  std::string name;  // as stored on disk
  bool directory = false;
  bool hidden = false;
};

// Searches the folder part of `pathPattern` (resolved without regard to case; "" or none
// is the current folder) for names matching its last component. Never returns "." or
// "..", nor names Windows cannot hold. Results come in NTFS order (NtfsNameLess).
// A folder that is not there gives an empty result; one that cannot be read, or whose
// listing fails part-way, raises InOutError naming it.
std::vector<FoundEntry> FindEntries(std::string_view pathPattern, Admit admit);

// The name of the first entry `FindEntries` would return, or "" when nothing matches.
std::string FindFirstName(std::string_view pathPattern, Admit admit);

}  // namespace vantrel::platform
