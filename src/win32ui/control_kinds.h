#pragma once
// Which native control stands for each kind of the layout table, with the styles that make it
// behave as the window's control of that kind.
#include <windows.h>

#include "window/layout_table.h"

namespace vantrel::win32ui {

struct NativeKind {
  const wchar_t* className;
  DWORD style;    // besides WS_CHILD | WS_VISIBLE, and WS_TABSTOP where the kind takes one
  DWORD exStyle;
};

NativeKind NativeKindOf(ControlKind kind);
// The kind's style with WS_TABSTOP where Tab stops at it.
DWORD StyleOf(ControlKind kind);

// The child window id of a control: the window tells its controls' messages apart by it.
inline int ChildIdOf(Control control) { return 100 + static_cast<int>(control); }
// The control of a child window id; only for ids ChildIdOf gave.
inline Control ControlOfId(UINT id) { return static_cast<Control>(static_cast<int>(id) - ChildIdOf(Control::Label5)); }

}  // namespace vantrel::win32ui
