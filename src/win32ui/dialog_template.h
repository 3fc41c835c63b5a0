#pragma once
// A dialog built in memory rather than from a resource script: its box and its controls in
// dialog units, each control by its window class, text, style and id, in the window's
// dialog face ("MS Shell Dlg", 8 points). For DialogBoxIndirectParamW and
// CreateDialogIndirectParamW.
#include <windows.h>

#include <string>
#include <vector>

namespace vantrel::win32ui {

class DialogTemplate {
 public:
  // `style` without DS_SETFONT, which the face adds.
  DialogTemplate(const std::wstring& title, DWORD style, SIZE units);

  // Controls come in Tab order; WS_CHILD and WS_VISIBLE are added to `style`.
  void Add(const wchar_t* windowClass, const std::wstring& text, DWORD style, RECT units, WORD id);

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Put(DWORD value);
  void Put(const std::wstring& text);
  void AlignToDword();

  std::vector<WORD> words_;
};

}  // namespace vantrel::win32ui
