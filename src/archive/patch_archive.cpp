#include "archive/patch_archive.h"

#include <algorithm>
#include <map>
#include <optional>

#include "archive/archive_reader.h"
#include "archive/entry_path.h"
#include "catalogue/catalogue.h"
#include "platform/folder_lock.h"
#include "platform/free_space.h"
#include "platform/names.h"
#include "platform/wildcard.h"

namespace vantrel::archive {
namespace {

const platform::WildcardPattern& ShapePattern() {
  static const platform::WildcardPattern pattern(kPatchShapeMask);
  return pattern;
}

// Windows takes "Tex/A.bmp" and "TEX/a.bmp" for one file, so entries are told apart by this.
std::string CaseKey(std::string_view path) {
  std::string key(path);
  for (char& c : key) c = platform::UpperAscii(c);
  return key;
}

// The archive's name less its extension, and less ".tar" before a compressed tar's.
std::string BaseName(std::string_view archiveName) {
  std::string name(archiveName);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0) return name;
  name.erase(dot);
  const std::size_t tar = name.rfind('.');
  if (tar != std::string::npos && tar > 0 && platform::SameNameIgnoringCase(name.substr(tar), ".tar")) name.erase(tar);
  return name;
}

struct CheckedEntry {
  ArchiveEntry entry;
  std::string path;  // checked
};

// The next entry, its path checked; every entry of an archive is, the ones not unpacked too.
std::optional<CheckedEntry> NextChecked(ArchiveReader& reader) {
  std::optional<ArchiveEntry> entry = reader.Next();
  if (!entry) return std::nullopt;
  std::string path = CheckedEntryPath(entry->path, reader.name());
  return CheckedEntry{std::move(*entry), std::move(path)};
}

std::uint64_t DataLength(ArchiveReader& reader) {
  std::uint64_t length = 0;
  const char* data = nullptr;
  std::size_t size = 0;
  std::uint64_t offset = 0;
  while (reader.ReadBlock(data, size, offset)) length = std::max(length, offset + size);
  return length;
}

bool IsShape(const CheckedEntry& e) {
  return e.entry.kind == ArchiveEntry::Kind::File && ShapePattern().Matches(platform::SplitLastComponent(e.path).name);
}

}  // namespace

std::string NoPatchText(std::string_view archiveName) {
  return std::string(archiveName) + " holds no patch (no " + kPatchShapeMask + " file)";
}

std::string DuplicateText(std::string_view archiveName, std::string_view entry) {
  return std::string(archiveName) + " is refused: it holds \"" + std::string(entry) + "\" more than once.";
}

std::string NoRoomText(std::string_view archiveName, std::uint64_t needed, std::uint64_t free) {
  return "Not enough free space to unpack " + std::string(archiveName) + ": it needs " + std::to_string(needed) +
         " bytes, and " + std::to_string(free) + " are free.";
}

std::string BadFolderNameText(std::string_view newName) {
  return std::string(newName) + " cannot be the name of a patch folder.";
}

std::string NothingAddedText(std::string_view reason) { return "Nothing is added: " + std::string(reason); }

std::string AddedText(std::string_view archivePath, const FoundPatch& patch, std::string_view newName) {
  return std::string(newName) + " (" + patch.patchCode + ") is added from " +
         platform::SplitLastComponent(archivePath).name + ".";
}

std::optional<std::string> FolderNameRefusal(std::string_view newName) {
  if (!platform::WindowsCanCreate(newName) || !platform::FitsInOneName(newName) || platform::IsHiddenName(newName)) {
    return BadFolderNameText(newName);
  }
  if (platform::NameTaken(newName)) return platform::NameTakenText(newName);
  return std::nullopt;
}

std::vector<FoundPatch> FindPatchFolders(std::string_view archivePath) {
  ArchiveReader reader(archivePath);
  std::map<std::string, FoundPatch> patches;         // by the case key of the inner path
  std::map<std::string, std::uint64_t> fileLengths;  // every file, by its case key
  while (std::optional<CheckedEntry> e = NextChecked(reader)) {
    if (e->entry.kind != ArchiveEntry::Kind::File) continue;
    const std::uint64_t length = e->entry.size ? *e->entry.size : DataLength(reader);
    if (!fileLengths.emplace(CaseKey(e->path), length).second) throw Error(DuplicateText(reader.name(), e->entry.path));
    if (!IsShape(*e)) continue;
    const platform::PathParts parts = platform::SplitLastComponent(e->path);
    FoundPatch& found = patches[CaseKey(parts.folder)];
    // Of two shapes, the code is the one of the first in NTFS order, as the scan lists them.
    if (!found.patchCode.empty() && !platform::NtfsNameLess(parts.name.substr(0, 4), found.patchCode)) continue;
    found.innerPath = parts.folder;
    found.defaultName = parts.folder.empty() ? BaseName(reader.name()) : platform::SplitLastComponent(parts.folder).name;
    found.patchCode = parts.name.substr(0, 4);
  }
  if (patches.empty()) throw Error(NoPatchText(reader.name()));

  std::vector<FoundPatch> result;
  for (auto& [key, found] : patches) {
    for (const auto& [file, length] : fileLengths) {
      if (InsideFolder(file, key)) found.unpackedSize += length;
    }
    result.push_back(std::move(found));
  }
  std::sort(result.begin(), result.end(),
            [](const FoundPatch& a, const FoundPatch& b) { return platform::NtfsNameLess(a.innerPath, b.innerPath); });
  return result;
}

void ExtractPatchFolder(std::string_view archivePath, const FoundPatch& patch, std::string_view newName,
                        const Progress& progress) {
  if (const std::optional<std::string> why = FolderNameRefusal(newName)) throw Error(*why);
  platform::FolderLock lock;  // PutInPlace refuses a name taken meanwhile all the same
  ArchiveReader reader(archivePath);
  const std::uint64_t free = platform::FreeSpace("");
  if (patch.unpackedSize > free) throw Error(NoRoomText(reader.name(), patch.unpackedSize, free));

  platform::NewFolder folder;
  std::uint64_t done = 0;
  std::uint64_t total = patch.unpackedSize;
  if (progress) progress(done, total);
  bool shapeSeen = false;
  const std::size_t skip = patch.innerPath.empty() ? 0 : patch.innerPath.size() + 1;
  while (std::optional<CheckedEntry> e = NextChecked(reader)) {
    const ArchiveEntry::Kind kind = e->entry.kind;
    if (kind == ArchiveEntry::Kind::Link || kind == ArchiveEntry::Kind::Other) continue;
    if (!InsideFolder(e->path, patch.innerPath) || e->path.size() <= skip) continue;
    const std::string inner = e->path.substr(skip);
    if (kind == ArchiveEntry::Kind::Folder) {
      if (!folder.AddFolder(inner)) throw Error(DuplicateText(reader.name(), e->entry.path));
      continue;
    }
    std::optional<platform::NewFile> file = folder.AddFile(inner);
    if (!file) throw Error(DuplicateText(reader.name(), e->entry.path));
    shapeSeen = shapeSeen || (IsShape(*e) && inner.find('/') == std::string::npos);
    const char* data = nullptr;
    std::size_t size = 0;
    std::uint64_t offset = 0;
    std::uint64_t length = e->entry.size.value_or(0);
    while (reader.ReadBlock(data, size, offset)) {
      file->WriteAt(offset, data, size);
      length = std::max(length, offset + size);
      done += size;
      // The archive may have changed since it was looked into; the bar never runs past its end.
      total = std::max(total, done);
      if (progress) progress(done, total);
    }
    file->Finish(length, e->entry.modified);
  }
  // Not the archive FindPatchFolders looked into, or changed since.
  if (!shapeSeen) throw Error(NoPatchText(reader.name()));
  folder.PutInPlace(newName);
  if (progress) progress(total, total);
}

}  // namespace vantrel::archive
