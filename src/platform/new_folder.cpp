#include "platform/new_folder.h"

#include <utility>

#include "platform/folder_tree.h"
#include "platform/join_path.h"
#include "platform/names.h"
#include "platform/new_folder_backend.h"
#include "platform/stray_temporaries.h"
#include "platform/write_target.h"

namespace vantrel::platform {
namespace {

// Makes the folder where nothing stands. False when something other than a folder stands
// there, or takes the name before the folder is made.
bool FolderStands(const std::string& path) {
  detail::Standing there = detail::WhatStandsAt(path);
  if (there == detail::Standing::Nothing) {
    if (detail::MakeFolderUnlessTaken(path)) return true;
    there = detail::WhatStandsAt(path);
  }
  return there == detail::Standing::Folder;
}

}  // namespace

std::string NameTakenText(std::string_view name) {
  return "There is already a file or folder named " + std::string(name) + " in the working folder.";
}

NewFolder::NewFolder() {
  detail::RemoveStrayTemporaries("");
  for (;;) {
    std::string path = detail::TemporaryName("");
    detail::CheckEntryInGameTree(path, path);
    if (detail::MakeFolderUnlessTaken(path)) {
      temporary_ = std::move(path);
      return;
    }
  }
}

bool NewFolder::AddFolder(std::string_view inner) {
  std::string path = temporary_;
  for (std::size_t pos = 0; pos < inner.size();) {
    std::size_t end = inner.find('/', pos);
    if (end == std::string_view::npos) end = inner.size();
    path = ResolvePath(detail::JoinPath(path, std::string(inner.substr(pos, end - pos))));
    pos = end + 1;
    if (!FolderStands(path)) return false;
  }
  return true;
}

std::optional<NewFile> NewFolder::AddFile(std::string_view inner) {
  if (!AddFolder(SplitLastComponent(inner).folder)) return std::nullopt;
  detail::UniqueFd fd = detail::CreateFileUnlessTaken(ResolvePath(detail::JoinPath(temporary_, std::string(inner))));
  if (!fd.valid()) return std::nullopt;
  return NewFile(fd.release());
}

void NewFolder::PutInPlace(std::string_view name) {
  const std::string target(name);
  detail::CheckEntryInGameTree(target, name);
  if (NameTaken(name)) throw NameTakenError(target);
  // Names and bytes reach the disk before the name does: after a power cut the folder is
  // there whole or not at all.
  detail::SyncTree(temporary_);
  if (!detail::MoveFolderUnlessTaken(temporary_, target)) throw NameTakenError(target);
  placed_ = true;
}

}  // namespace vantrel::platform
