#include "platform/new_folder.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/folder_tree.h"
#include "platform/handle_io.h"
#include "platform/new_folder_backend.h"
#include "platform/win32_text.h"

// The files are held as the C runtime's descriptors, which wrap the handles CreateFileW
// gives, so that NewFile is one class on every system.
namespace vantrel::platform {
namespace {

using detail::UniqueFd;
using detail::Wide;

HANDLE HandleOf(const UniqueFd& fd) { return reinterpret_cast<HANDLE>(::_get_osfhandle(fd.get())); }

DWORD AttributesOf(const std::string& path) { return ::GetFileAttributesW(Wide(path).c_str()); }
bool Exists(DWORD attributes) { return attributes != INVALID_FILE_ATTRIBUTES; }
bool IsFolder(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Windows counts 100 ns steps from 1601; the archive's times are seconds from 1970.
FILETIME FileTimeOf(const timespec& time) {
  constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
  const std::int64_t ticks = (time.tv_sec + kSecondsFrom1601To1970) * 10000000 + time.tv_nsec / 100;
  const auto value = static_cast<std::uint64_t>(ticks < 0 ? 0 : ticks);
  return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

}  // namespace

bool NameTaken(std::string_view name) { return Exists(AttributesOf(std::string(name))); }

void NewFile::WriteAt(std::uint64_t offset, const char* data, std::size_t size) {
  detail::WriteAllAt(HandleOf(fd_), offset, data, size);
}

void NewFile::Finish(std::uint64_t length, std::optional<timespec> modified) {
  UniqueFd closing = std::move(fd_);
  const HANDLE file = HandleOf(closing);
  LARGE_INTEGER end{};
  end.QuadPart = static_cast<LONGLONG>(length);
  if (!::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) || !::SetEndOfFile(file)) detail::ThrowLastError();
  if (modified) {
    const FILETIME time = FileTimeOf(*modified);
    if (!::SetFileTime(file, nullptr, nullptr, &time)) detail::ThrowLastError();
  }
  closing.Close();
}

NewFolder::~NewFolder() {
  if (!placed_) detail::RemoveTree(temporary_);
}

namespace detail {

Standing WhatStandsAt(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  if (!Exists(attributes)) return Standing::Nothing;
  return IsFolder(attributes) ? Standing::Folder : Standing::Other;
}

bool MakeFolderUnlessTaken(const std::string& path) {
  if (::CreateDirectoryW(Wide(path).c_str(), nullptr)) return true;
  if (::GetLastError() == ERROR_ALREADY_EXISTS) return false;
  ThrowLastError();
}

UniqueFd CreateFileUnlessTaken(const std::string& path) {
  UniqueHandle file(::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
  if (!file.valid()) {
    const DWORD err = ::GetLastError();
    if (Exists(AttributesOf(path))) return UniqueFd();  // a file or a folder of that name
    ::SetLastError(err);
    ThrowLastError();
  }
  UniqueFd fd(::_open_osfhandle(reinterpret_cast<std::intptr_t>(file.get()), _O_WRONLY | _O_BINARY));
  if (!fd.valid()) throw InOutError(4);  // the runtime's table of descriptors is full
  file.release();
  return fd;
}

// Without REPLACE_EXISTING the move never takes a name another has taken meanwhile, and
// written through, its new name is on the disk when it returns.
bool MoveFolderUnlessTaken(const std::string& from, const std::string& to) {
  if (::MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_WRITE_THROUGH)) return true;
  const DWORD err = ::GetLastError();
  if (err == ERROR_ALREADY_EXISTS || err == ERROR_FILE_EXISTS) return false;
  ThrowLastError();
}

}  // namespace detail

}  // namespace vantrel::platform
