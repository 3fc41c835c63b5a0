#include "platform/new_folder.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/folder_tree.h"
#include "platform/handle_io.h"
#include "platform/names.h"
#include "platform/stray_temporaries.h"
#include "platform/win32_text.h"
#include "platform/write_target.h"

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

NewFolder::NewFolder() {
  detail::RemoveStrayTemporaries("");
  for (;;) {
    std::string path = detail::TemporaryName("");
    detail::CheckEntryInGameTree(path, path);
    if (::CreateDirectoryW(Wide(path).c_str(), nullptr)) {
      temporary_ = std::move(path);
      return;
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS) detail::ThrowLastError();
  }
}

NewFolder::~NewFolder() {
  if (!placed_) detail::RemoveTree(temporary_);
}

bool NewFolder::AddFolder(std::string_view inner) {
  std::string path = temporary_;
  for (std::size_t pos = 0; pos < inner.size();) {
    std::size_t end = inner.find('/', pos);
    if (end == std::string_view::npos) end = inner.size();
    path = detail::JoinPath(path, std::string(inner.substr(pos, end - pos)));
    pos = end + 1;
    const DWORD attributes = AttributesOf(path);
    if (Exists(attributes)) {
      if (!IsFolder(attributes)) return false;
      continue;
    }
    if (!::CreateDirectoryW(Wide(path).c_str(), nullptr)) detail::ThrowLastError();
  }
  return true;
}

std::optional<NewFile> NewFolder::AddFile(std::string_view inner) {
  const PathParts parts = SplitLastComponent(inner);
  if (!AddFolder(parts.folder)) return std::nullopt;
  const std::string path = detail::JoinPath(temporary_, std::string(inner));
  detail::UniqueHandle file(::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD err = ::GetLastError();
    if (Exists(AttributesOf(path))) return std::nullopt;  // a file or a folder of that name
    ::SetLastError(err);
    detail::ThrowLastError();
  }
  const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(file.get()), _O_WRONLY | _O_BINARY);
  if (fd < 0) throw InOutError(4);  // the runtime's table of descriptors is full
  file.release();
  return NewFile(fd);
}

void NewFolder::PutInPlace(std::string_view name) {
  const std::string target(name);
  detail::CheckEntryInGameTree(target, name);
  if (NameTaken(name)) throw NameTakenError(target);
  // The bytes reach the disk before the name does, and the move itself is written through:
  // after a power cut the folder is there whole or not at all. Without REPLACE_EXISTING the
  // move never takes a name another has taken meanwhile.
  detail::SyncTree(temporary_);
  if (!::MoveFileExW(Wide(temporary_).c_str(), Wide(target).c_str(), MOVEFILE_WRITE_THROUGH)) {
    const DWORD err = ::GetLastError();
    if (err == ERROR_ALREADY_EXISTS || err == ERROR_FILE_EXISTS) throw NameTakenError(target);
    detail::ThrowLastError();
  }
  placed_ = true;
}

}  // namespace vantrel::platform
