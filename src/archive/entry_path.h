#pragma once
// What an archive's entry may be called before anything of it is written. Internal to the
// archive layer.
#include <string>
#include <string_view>

namespace vantrel::archive {

// The stored path of an entry as "/" separated names ("" for the archive's top), "\" being
// a separator too, as archives made on Windows use it; empty names and "." dropped.
// Raises Error(OutsideText) for an absolute path, a drive letter or "..", and
// Error(UnholdableText) for a name Windows cannot create or that is too long.
std::string CheckedEntryPath(std::string_view stored, std::string_view archiveName);

// Whether `path` is `folder` or lies inside it, letter case aside; "" holds everything.
bool InsideFolder(std::string_view path, std::string_view folder);

// "NAME is refused: its entry "ENTRY" would land outside the patch folder."
std::string OutsideText(std::string_view archiveName, std::string_view entry);
// "NAME is refused: Windows cannot hold the name of its entry "ENTRY"."
std::string UnholdableText(std::string_view archiveName, std::string_view entry);

}  // namespace vantrel::archive
