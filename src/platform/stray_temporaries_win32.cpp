#include "platform/stray_temporaries.h"

#include <windows.h>

#include <mutex>
#include <set>

#include "platform/folder_tree.h"
#include "platform/handle_io.h"
#include "platform/names.h"
#include "platform/win32_text.h"

namespace vantrel::platform::detail {
namespace {

bool Gone(unsigned long pid) {
  const UniqueHandle process(::OpenProcess(SYNCHRONIZE, FALSE, pid));
  if (!process.valid()) return ::GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
  return ::WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
}

// Once per folder and process, the folder known by its full path: the same name may be
// another folder after a change of the current folder.
bool FirstVisit(const std::string& folder) {
  static std::mutex mutex;
  static std::set<std::wstring> swept;
  const std::wstring name = Wide(folder.empty() ? "." : folder);
  std::wstring full(MAX_PATH, L'\0');
  const DWORD length = ::GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return true;
  full.resize(length);
  ::CharLowerBuffW(full.data(), length);
  std::lock_guard lock(mutex);
  return swept.insert(full).second;
}

}  // namespace

std::string TemporaryName(const std::string& folder) {
  return JoinPath(folder, TemporaryLeaf(::GetCurrentProcessId()));
}

// Temporaries of jobs that were killed or lost their power: the target of each is intact,
// and a folder being filled was never put in place.
void RemoveStrayTemporaries(const std::string& folder) {
  if (!FirstVisit(folder)) return;
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileExW(Wide(JoinPath(folder, ".vantrel-*.tmp")).c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = Utf8(found.cFileName);
    const unsigned long writer = WriterOf(name);
    if (writer == 0 || !Gone(writer)) continue;
    const std::string path = JoinPath(folder, name);
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      RemoveTree(path);  // one still held is left for a later sweep
    } else {
      ::SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileW(Wide(path).c_str());
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
}

}  // namespace vantrel::platform::detail
