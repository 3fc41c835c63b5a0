#include "win32ui/control_kinds.h"

#include <commctrl.h>

#include "win32ui/preview_pane.h"

namespace vantrel::win32ui {

NativeKind NativeKindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::Note:
      // No word wrap: a label too narrow for a stand-in face is cut, not broken over lines.
      return {WC_STATICW, SS_LEFTNOWORDWRAP, 0};
    case ControlKind::FolderBox:
      return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case ControlKind::Button:
      return {WC_BUTTONW, BS_PUSHBUTTON | BS_MULTILINE, 0};
    case ControlKind::FilterLine:
    case ControlKind::Edit:
      return {WC_EDITW, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::List:
      // The entry list keeps the order (sorted or not); the control only shows it. The window
      // draws the entries, from the texts the control keeps for everything that reads them.
      return {WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL,
              WS_EX_CLIENTEDGE};
    case ControlKind::RadioButton:
      // Alone in its group: a click marks it, and only the program clears it again.
      return {WC_BUTTONW, BS_AUTORADIOBUTTON | WS_GROUP, 0};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_GROUP, 0};
    case ControlKind::Picture:
      return {kPreviewClass, WS_HSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Tabs:
      // Its pages are its children. Not a control parent: Windows would step Tab through
      // its pages and never stop at the tabs themselves.
      return {WC_TABCONTROLW, WS_CLIPCHILDREN, 0};
  }
  return {WC_STATICW, 0, 0};
}

DWORD StyleOf(ControlKind kind) { return NativeKindOf(kind).style | (TakesTabStop(kind) ? WS_TABSTOP : 0); }

}  // namespace vantrel::win32ui
