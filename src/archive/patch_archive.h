#pragma once
// Patches straight from downloaded archives (zip, 7z, rar, tar.gz and the other compressed
// tars): the patch folders an archive holds, and one of them unpacked into the working
// folder as an ordinary patch folder, which the scan then finds like any other.
//
// A patch folder is a folder of the archive that holds a "????9000.dml" file, in any
// letter case and at any depth. Before anything is written the whole archive is checked:
// an entry with an absolute path, a drive letter or "..", or with a name Windows cannot
// hold, refuses the archive. Links in it are never unpacked.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/new_folder.h"

namespace vantrel::archive {

struct FoundPatch {
  std::string innerPath;      // the folder inside the archive, "/" separated; "" for its top
  std::string defaultName;    // the folder's own name, or the archive's name less its extension
  std::string patchCode;      // the first four characters of its "????9000.dml" file
  std::uint64_t unpackedSize = 0;  // the bytes of every file it holds, subfolders included
};

// The patch folders of the archive at `archivePath` (relative to the current folder, or
// absolute), in NTFS order of their inner paths. Reads the whole archive.
// Raises Error(NoPatchText) when it holds none, Error(OutsideText / UnholdableText /
// DuplicateText) for an entry that refuses it, Error(UnreadableText) for an archive that
// is damaged, cut short or of no format we read, InOutError naming the file when it
// cannot be opened.
std::vector<FoundPatch> FindPatchFolders(std::string_view archivePath);

// Bytes unpacked so far and the patch's unpacked size, after each piece written. An
// exception thrown from it stops the unpacking, and nothing of it is left.
using Progress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// Unpacks `patch` of the archive into the current folder as the new folder `newName`,
// holding the folder's lock, and leaves the scan to the caller. The folder is filled under
// a hidden temporary name and appears only when it is whole and on the disk; nothing that
// was in the working folder is touched.
// Raises, before anything is written: Error(FolderNameRefusal's text) for a name the new
// folder cannot take, Error(NoRoomText) when the disk has too little free space. Then what
// FindPatchFolders raises, and InOutError when the disk fails (101 disk full).
void ExtractPatchFolder(std::string_view archivePath, const FoundPatch& patch, std::string_view newName,
                        const Progress& progress = {});

// Why no new patch folder can be named `newName` in the current folder, none when one can:
// BadFolderNameText for a name Windows cannot create, a hidden one or one too long;
// platform::NameTakenText when an entry of any kind has it, in any letter case. The one rule
// for every front end: the command line refuses with the text, a window asks for another name.
std::optional<std::string> FolderNameRefusal(std::string_view newName);

// "NAME holds no patch (no ????9000.dml file)"
std::string NoPatchText(std::string_view archiveName);
// "NAME is refused: it holds "ENTRY" more than once."
std::string DuplicateText(std::string_view archiveName, std::string_view entry);
// "Not enough free space to unpack NAME: it needs N bytes, and M are free."
std::string NoRoomText(std::string_view archiveName, std::uint64_t needed, std::uint64_t free);
// "FOLDER cannot be the name of a patch folder."
std::string BadFolderNameText(std::string_view newName);
// "Big Tank (060E) is added from Big Tank.zip.": what an add that unpacked `patch` under
// `newName` tells, the archive named without its folders.
std::string AddedText(std::string_view archivePath, const FoundPatch& patch, std::string_view newName);
// "Nothing is added: REASON": what an add that failed or was refused tells.
std::string NothingAddedText(std::string_view reason);

}  // namespace vantrel::archive
