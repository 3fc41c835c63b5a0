#pragma once
// Windows' own file dialogs, titled and filtered as the Qt window's are, owned by the window
// so that it waits: the archive of "Add patch from archive...", and a patch set's file.
#include <windows.h>

#include <optional>
#include <string>

namespace vantrel::win32ui {

// The archive's full path; none when the user cancels. The current folder, which is the
// working folder, stays as it was wherever the user went in the dialog.
std::optional<std::string> ChooseArchiveFile(HWND owner);
// The file to import a patch set from, or (`toSave`) to export one to; none for Cancel.
std::optional<std::string> ChooseSetFile(HWND owner, bool toSave);

}  // namespace vantrel::win32ui
