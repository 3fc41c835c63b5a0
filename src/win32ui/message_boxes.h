#pragma once
// The window's modal boxes, titled "Vantrel" and owned by the window so that it waits for them.
#include <windows.h>

#include <string>

#include "window/form_view.h"

namespace vantrel::win32ui {

inline constexpr const wchar_t* kBoxTitle = L"Vantrel";

// A Yes/No question with No the default button; true for Yes. `details`, when not "", follow
// the question under a "Details:" line.
bool AskYesNo(HWND owner, const std::string& question, const std::string& details = "");
// A Yes/No/Cancel question with Cancel the default button, which Escape and the box's close give too.
FormView::Reply AskYesNoCancel(HWND owner, const std::string& question);
// A message, with the error icon: what reaches it is an error's text or a job's failure.
void ShowMessageBox(HWND owner, const std::string& text);

}  // namespace vantrel::win32ui
