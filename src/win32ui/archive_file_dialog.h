#pragma once
// The open-file dialog of "Add patch from archive...": Windows' own, titled and filtered as
// the Qt window's is, owned by the window so that it waits.
#include <windows.h>

#include <optional>
#include <string>

namespace vantrel::win32ui {

// The archive's full path; none when the user cancels. The current folder, which is the
// working folder, stays as it was wherever the user went in the dialog.
std::optional<std::string> ChooseArchiveFile(HWND owner);

}  // namespace vantrel::win32ui
