#include "platform/handle_io.h"

#include <windows.h>

#include <algorithm>

#include "platform/errors.h"
#include "platform/names.h"
#include "platform/remaining_bytes.h"
#include "platform/win32_text.h"

namespace vantrel::platform::detail {
namespace {

// Others may read, replace or delete a file while we hold it, as they may on POSIX.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// ReadFile and WriteFile take a DWORD count; larger moves go in pieces.
constexpr std::size_t kMaxStep = std::size_t{1} << 30;

UniqueHandle Open(std::string_view path, DWORD access, DWORD disposition) {
  UniqueHandle file(::CreateFileW(Wide(path).c_str(), access, kShareAll, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) ThrowLastError();
  return file;
}

UniqueHandle OpenDiskFile(std::string_view path, DWORD access) {
  UniqueHandle file = Open(path, access, OPEN_EXISTING);
  if (::GetFileType(file.get()) != FILE_TYPE_DISK) throw InOutError(5, std::string(path));
  return file;
}

OVERLAPPED At(std::uint64_t offset) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return at;
}

// The one loop every read and write goes through: `step(done, count, moved)` moves up to
// `count` bytes from `done` on and says how many in `moved`. Steps follow each other until
// `size` bytes have moved or one moves none (the end of a file). A read at the end of the
// file with an offset fails with ERROR_HANDLE_EOF, which is an end as well.
template <typename Step>
std::size_t MoveBytes(std::size_t size, Step step) {
  std::size_t done = 0;
  while (done < size) {
    DWORD moved = 0;
    const auto count = static_cast<DWORD>(std::min(size - done, kMaxStep));
    if (!step(done, count, moved)) {
      if (::GetLastError() == ERROR_HANDLE_EOF) break;
      ThrowLastError();
    }
    if (moved == 0) break;
    done += moved;
  }
  return done;
}

}  // namespace

void ThrowLastError(std::string_view file) {
  throw InOutError(InOutError::CodeForWindowsError(::GetLastError()), std::string(file));
}

bool NotThere(unsigned long error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
      return true;
    default:
      return false;
  }
}

UniqueHandle OpenForReading(std::string_view path) { return OpenDiskFile(path, GENERIC_READ); }

UniqueHandle OpenForUpdate(std::string_view path) { return OpenDiskFile(path, GENERIC_READ | GENERIC_WRITE); }

UniqueHandle CreateForWriting(std::string_view path, bool append) {
  UniqueHandle file = Open(path, GENERIC_WRITE, OPEN_ALWAYS);
  LARGE_INTEGER start{};
  if (!::SetFilePointerEx(file.get(), start, nullptr, append ? FILE_END : FILE_BEGIN)) ThrowLastError();
  if (!append && !::SetEndOfFile(file.get())) ThrowLastError();
  return file;
}

void WriteAll(void* file, const char* data, std::size_t size) {
  const auto write = [&](std::size_t done, DWORD count, DWORD& moved) {
    return ::WriteFile(file, data + done, count, &moved, nullptr);
  };
  if (MoveBytes(size, write) < size) throw InOutError(101);
}

void WriteAllAt(void* file, std::uint64_t offset, const char* data, std::size_t size) {
  const auto write = [&](std::size_t done, DWORD count, DWORD& moved) {
    OVERLAPPED at = At(offset + done);
    return ::WriteFile(file, data + done, count, &moved, &at);
  };
  if (MoveBytes(size, write) < size) throw InOutError(101);
}

std::size_t ReadFull(void* file, char* buffer, std::size_t size) {
  return MoveBytes(size, [&](std::size_t done, DWORD count, DWORD& moved) {
    return ::ReadFile(file, buffer + done, count, &moved, nullptr);
  });
}

std::size_t ReadFullAt(void* file, std::uint64_t offset, char* buffer, std::size_t size) {
  return MoveBytes(size, [&](std::size_t done, DWORD count, DWORD& moved) {
    OVERLAPPED at = At(offset + done);
    return ::ReadFile(file, buffer + done, count, &moved, &at);
  });
}

std::string ReadAll(void* file) {
  LARGE_INTEGER size{};
  const bool sized = ::GetFileSizeEx(file, &size) && size.QuadPart > 0;
  return RemainingBytes(sized ? static_cast<std::size_t>(size.QuadPart) : 0,
                        [file](char* buffer, std::size_t count) { return ReadFull(file, buffer, count); });
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (IsPathSeparator(folder.back())) return folder + name;
  return folder + "\\" + name;
}

}  // namespace vantrel::platform::detail
