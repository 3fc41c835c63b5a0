#include "platform/files.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/errors.h"
#include "platform/file_copy.h"
#include "platform/handle_io.h"
#include "platform/same_bytes.h"
#include "platform/write_target.h"
#include "platform/win32_text.h"

namespace vantrel::platform {
namespace {

using detail::UniqueHandle;
using detail::Wide;

// None when nothing is there; a look that could not be made raises, naming the path.
std::optional<WIN32_FILE_ATTRIBUTE_DATA> Attributes(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return data;
  if (detail::NotThere(::GetLastError())) return std::nullopt;
  detail::ThrowLastError(path);
}

bool IsFolder(const WIN32_FILE_ATTRIBUTE_DATA& data) { return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

std::uint64_t SizeOf(const WIN32_FILE_ATTRIBUTE_DATA& data) {
  return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

// The volume and file number of an open file: one file under two names (a letter case
// apart, or through a link) is one file.
std::optional<std::pair<DWORD, std::uint64_t>> IdentityOf(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(file, &info)) return std::nullopt;
  return std::pair{info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

std::optional<std::pair<DWORD, std::uint64_t>> IdentityOf(const std::string& path) {
  UniqueHandle file(::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) return std::nullopt;
  return IdentityOf(file.get());
}

}  // namespace

bool FileExists(std::string_view path) {
  const auto data = Attributes(path);
  return data && !IsFolder(*data);
}

bool DirectoryExists(std::string_view path) {
  const auto data = Attributes(path);
  return data && IsFolder(*data);
}

bool IsReadOnly(std::string_view path) { return StateOf(path).readOnly; }

void ReadNamesAhead(const std::string&) {}

EntryState StateOf(std::string_view path) {
  const auto data = Attributes(path);
  if (!data) return {};
  const bool directory = IsFolder(*data);
  return {true, directory, !directory && (data->dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0};
}

bool SameContent(std::string_view a, std::string_view b) {
  try {
    const auto first = Attributes(a);
    const auto second = Attributes(b);
    if (!first || !second || IsFolder(*first) || IsFolder(*second) || SizeOf(*first) != SizeOf(*second)) return false;
    UniqueHandle one = detail::OpenForReading(a);
    UniqueHandle other = detail::OpenForReading(b);
    return detail::SameBytes([&](int side, char* buffer, std::size_t size) {
      return detail::ReadFull((side == 0 ? one : other).get(), buffer, size);
    });
  } catch (const InOutError&) {
    return false;
  }
}

std::string CurrentDirectory() {
  const DWORD length = ::GetCurrentDirectoryW(0, nullptr);
  std::wstring buffer(length, L'\0');
  const DWORD written = ::GetCurrentDirectoryW(length, buffer.data());
  if (written == 0 || written >= length) detail::ThrowLastError();
  buffer.resize(written);
  return detail::Utf8(buffer);
}

void ChangeDirectory(std::string_view path) {
  if (!::SetCurrentDirectoryW(Wide(path).c_str())) detail::ThrowLastError();
}

void DeleteFileAt(std::string_view path) {
  detail::CheckEntryInGameTree(std::string(path), path);
  if (!::DeleteFileW(Wide(path).c_str())) detail::ThrowLastError();
}

// A rename across volumes becomes a copy and a delete, as on POSIX.
void MoveFileTo(std::string_view source, std::string_view target) {
  detail::CheckEntryInGameTree(std::string(source), source);
  const std::string to = detail::WriteTarget(std::string(target), target);
  if (!::MoveFileExW(Wide(source).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
    detail::ThrowLastError();
  }
}

namespace detail {

NativeFile OpenCopySource(const std::string& path, std::string_view /*written*/) { return OpenForReading(path); }

bool IsFolderAt(const std::string& path, std::string_view /*shown*/) { return DirectoryExists(path); }

bool IsSameFile(const NativeFile& source, const std::string& target, std::string_view /*shown*/) {
  const auto sourceIdentity = IdentityOf(source.get());
  return sourceIdentity && sourceIdentity == IdentityOf(target);
}

}  // namespace detail

}  // namespace vantrel::platform
