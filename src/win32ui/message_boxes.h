#pragma once
// The window's modal boxes, titled "Vantrel" and owned by the window so that it waits for them.
#include <windows.h>

#include <string>

namespace vantrel::win32ui {

inline constexpr const wchar_t* kBoxTitle = L"Vantrel";

// A Yes/No question with No the default button; true for Yes.
bool AskYesNo(HWND owner, const std::string& question);
// A message, with the error icon: what reaches it is an error's text or a job's failure.
void ShowMessageBox(HWND owner, const std::string& text);

}  // namespace vantrel::win32ui
