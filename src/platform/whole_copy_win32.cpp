#include "platform/whole_copy.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/handle_io.h"
#include "platform/names.h"
#include "platform/stray_temporaries.h"
#include "platform/win32_text.h"

namespace vantrel::platform::detail {
namespace {

std::string FolderOf(const std::string& path) { return SplitLastComponent(path).folder; }

// The temporary beside the target: removed unless it was put in place.
class Temporary {
 public:
  explicit Temporary(std::wstring path) : path_(std::move(path)) {}
  ~Temporary() {
    if (placed_) return;
    ::SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path_.c_str());
  }
  Temporary(const Temporary&) = delete;
  Temporary& operator=(const Temporary&) = delete;

  const wchar_t* path() const { return path_.c_str(); }
  void Placed() { placed_ = true; }

 private:
  std::wstring path_;
  bool placed_ = false;
};

// Its bytes on the disk before its name replaces the target's. A read-only copy (of a
// read-only source) is opened for the flush with its attribute lifted for that moment.
void Flush(const Temporary& temporary) {
  const DWORD attributes = ::GetFileAttributesW(temporary.path());
  if (attributes == INVALID_FILE_ATTRIBUTES) ThrowLastError();
  const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly && !::SetFileAttributesW(temporary.path(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY})) ThrowLastError();
  UniqueHandle file(::CreateFileW(temporary.path(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file.valid() || !::FlushFileBuffers(file.get())) ThrowLastError();
  file.Close();
  if (readOnly && !::SetFileAttributesW(temporary.path(), attributes)) ThrowLastError();
}

}  // namespace

// CopyFileW reads the source by its name: the open file only showed it to be a file.
void CopyWhole(NativeFile source, const std::string& sourcePath, const std::string& target,
               std::string_view /*written*/) {
  source.Close();
  // A read-only target is refused, as CopyFileW onto it refuses it: a move would replace it.
  const DWORD targetAttributes = ::GetFileAttributesW(Wide(target).c_str());
  if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
    throw InOutError(5);
  }
  const std::string folder = FolderOf(target);
  RemoveStrayTemporaries(folder);
  const std::wstring from = Wide(sourcePath);
  for (;;) {
    Temporary temporary(Wide(TemporaryName(folder)));
    // CopyFileW keeps the modification time and the attributes of the source.
    if (!::CopyFileW(from.c_str(), temporary.path(), TRUE)) {
      const DWORD err = ::GetLastError();
      if (err == ERROR_FILE_EXISTS) {
        temporary.Placed();  // another's: not ours to remove
        continue;
      }
      ::SetLastError(err);
      ThrowLastError();
    }
    Flush(temporary);
    if (!::MoveFileExW(temporary.path(), Wide(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      ThrowLastError();
    }
    temporary.Placed();
    return;
  }
}

}  // namespace vantrel::platform::detail
