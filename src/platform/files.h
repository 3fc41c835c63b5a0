#pragma once
// Existence tests, the current folder and whole-file operations, with Windows error numbers.
// Every path is resolved through ResolvePath.
#include <string>
#include <string_view>

namespace vantrel::platform {

// The existence tests and StateOf answer "not there" only for a missing entry (or a file
// where a folder is expected on its way); a look that could not be made (an I/O error, a
// loop of links) raises InOutError naming the path, never passing for an absence.
bool FileExists(std::string_view path);       // all but folders, hidden ones included; reading
                                              // a pipe or a device is refused all the same
bool DirectoryExists(std::string_view path);  // folders only
bool IsReadOnly(std::string_view path);       // no write permission bit for anyone

// What is at a path, from one look: nothing, a folder, or a file, read-only or not.
struct EntryState {
  bool exists = false;
  bool directory = false;
  bool readOnly = false;
};
EntryState StateOf(std::string_view path);

// Both are files holding the same bytes; false when either cannot be looked at or read.
bool SameContent(std::string_view a, std::string_view b);

// Reads the names in `folder` ("" the current folder) now, so that a later lookup of a name
// missing as written need not read the folder for one in another letter case (a folder of
// thousands of entries takes about a millisecond). On Windows, whose lookups ignore case
// themselves, it does nothing. A folder that is not there is left; one that cannot be read
// raises InOutError.
void ReadNamesAhead(const std::string& folder);

std::string CurrentDirectory();
void ChangeDirectory(std::string_view path);  // raises InOutError

// Copies a file over an existing target, keeping the source's modification time. A folder
// as the target takes the copy under the source's name. Only a file is read: a folder, a
// device or a pipe as the source is refused with 5. A copy onto the source itself, under
// another letter case or through a link, raises Error "The file cannot be copied onto itself."
// and leaves it alone.
// The copy is whole: it is written beside the target under a temporary name and put in the
// target's place in one step, so that after a kill or a full disk the target is whole or as
// it was, never cut short; a temporary that a dead process left is removed the next time a
// copy goes into its folder. (On POSIX a device or a pipe as the target is written where it
// is.) Raises InOutError (2 missing source, 3 missing target folder, 5 denied, 101 disk full).
void CopyFileKeepTime(std::string_view source, std::string_view target);
void DeleteFileAt(std::string_view path);  // a file, never a folder; raises InOutError
void MoveFileTo(std::string_view source, std::string_view target);  // replaces the target

}  // namespace vantrel::platform
