#include "platform/files.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/errors.h"
#include "platform/same_bytes.h"
#include "platform/handle_io.h"
#include "platform/names.h"
#include "platform/whole_copy.h"
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

// The volume and file number of an existing file: one file under two names (a letter case
// apart, or through a link) is one file.
std::optional<std::pair<DWORD, std::uint64_t>> IdentityOf(const std::string& path) {
  UniqueHandle file(::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!file.valid() || !::GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
  return std::pair{info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
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

// The copy reaches the target whole, its modification time kept (whole_copy.h).
void CopyFileKeepTime(std::string_view source, std::string_view target) {
  const std::string from(source);
  std::string to(target);
  if (DirectoryExists(to)) to = detail::JoinPath(to, SplitLastComponent(from).name);
  // CopyFileW would copy from a device too; only a file is read.
  detail::OpenForReading(from).Close();
  const auto sourceIdentity = IdentityOf(from);
  if (sourceIdentity && sourceIdentity == IdentityOf(to)) throw Error("The file cannot be copied onto itself.");
  detail::CopyWhole(from, detail::WriteTarget(to, target));
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

}  // namespace vantrel::platform
