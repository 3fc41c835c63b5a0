#include "platform/folder_tree.h"

#include <windows.h>

#include <functional>

#include "platform/handle_io.h"
#include "platform/names.h"
#include "platform/win32_text.h"

namespace vantrel::platform::detail {
namespace {

bool IsFolder(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
// A junction or a link to a folder is removed itself, never entered.
bool IsLink(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

// Every entry of `folder` but "." and "..", with its attributes; false when it cannot be read.
bool ForEachEntry(const std::string& folder, const std::function<bool(const std::string&, DWORD)>& visit) {
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileExW(Wide(JoinPath(folder, "*")).c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool all = true;
  do {
    const std::string name = Utf8(found.cFileName);
    if (name == "." || name == "..") continue;
    all = visit(JoinPath(folder, name), found.dwFileAttributes) && all;
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return all;
}

}  // namespace

bool RemoveTree(const std::string& path) noexcept {
  try {
    const bool emptied = ForEachEntry(path, [](const std::string& entry, DWORD attributes) {
      if (IsFolder(attributes) && !IsLink(attributes)) return RemoveTree(entry);
      const std::wstring wide = Wide(entry);
      ::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
      return IsFolder(attributes) ? ::RemoveDirectoryW(wide.c_str()) != 0 : ::DeleteFileW(wide.c_str()) != 0;
    });
    return ::RemoveDirectoryW(Wide(path).c_str()) != 0 && emptied;
  } catch (...) {  // a name no UTF-16 can hold, or no memory: left for a later sweep
    return false;
  }
}

// Windows flushes files, not the names in a folder: the move that puts the folder in place
// is made with MOVEFILE_WRITE_THROUGH instead.
void SyncTree(const std::string& path) {
  ForEachEntry(path, [](const std::string& entry, DWORD attributes) {
    if (IsLink(attributes)) return true;
    if (IsFolder(attributes)) {
      SyncTree(entry);
      return true;
    }
    const UniqueHandle file(::CreateFileW(Wide(entry).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || !::FlushFileBuffers(file.get())) ThrowLastError();
    return true;
  });
}

}  // namespace vantrel::platform::detail
