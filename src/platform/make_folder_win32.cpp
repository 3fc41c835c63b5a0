#include "platform/make_folder.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/win32_text.h"

namespace vantrel::platform {

void MakeFolders(std::string_view path) {
  if (path.empty() || DirectoryExists(path)) return;
  const PathParts parts = SplitLastComponent(path);
  if (!parts.folder.empty()) MakeFolders(parts.folder);
  if (::CreateDirectoryW(detail::Wide(path).c_str(), nullptr)) return;
  const DWORD err = ::GetLastError();
  if (err == ERROR_ALREADY_EXISTS && DirectoryExists(path)) return;  // made by another meanwhile
  throw InOutError(err == ERROR_ALREADY_EXISTS ? 5 : InOutError::CodeForWindowsError(err));
}

}  // namespace vantrel::platform
