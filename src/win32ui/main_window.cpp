#include "win32ui/main_window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/errors.h"
#include "platform/win32_text.h"
#include "win32ui/control_kinds.h"
#include "win32ui/dpi.h"
#include "win32ui/message_boxes.h"
#include "win32ui/window_text.h"
#include "window/list_controls.h"

namespace vantrel::win32ui {

using platform::detail::Utf8;
using platform::detail::Wide;

namespace {

// Posted at the first activation: the lists load once the activation itself is through, so
// that a message box the loading shows does not come up in the middle of it.
constexpr UINT kFirstActivation = WM_APP + 1;
constexpr UINT kRunTask = WM_APP + 2;  // lParam: a std::function<void()> made by RunLater
constexpr UINT_PTR kRepairCommand = 1;
constexpr UINT_PTR kTickTimer = 1;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW kind{};
  if (::GetClassInfoExW(instance, kMainWindowClass, &kind)) return;
  kind.cbSize = sizeof(kind);
  kind.lpfnWndProc = procedure;
  kind.hInstance = instance;
  kind.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));  // the program's icon, when it has one
  kind.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  kind.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  kind.lpszClassName = kMainWindowClass;
  if (!::RegisterClassExW(&kind)) throw Error("The window's class cannot be registered.");
}

HACCEL WindowKeys() {
  ACCEL keys[] = {
      {FVIRTKEY, VK_F5, kRefreshKey},
      {FVIRTKEY | FCONTROL, 'Q', kCloseKey},
      {FVIRTKEY | FCONTROL, 'O', kAddArchiveKey},
      {FVIRTKEY | FCONTROL, 'F', kFilterKey},
  };
  return ::CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

// The full paths of the files dropped, and the drop let go of.
std::vector<std::string> DroppedFiles(HDROP drop) {
  std::vector<std::string> files;
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(::DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(::DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
    files.push_back(Utf8(name));
  }
  ::DragFinish(drop);
  return files;
}

bool Pressed(int key) { return (::GetKeyState(key) & 0x8000) != 0; }
bool AnyModifier() { return Pressed(VK_CONTROL) || Pressed(VK_MENU) || Pressed(VK_SHIFT); }

std::optional<ListKey> JobKeyOf(WPARAM key) {
  if (key == VK_RETURN) return ListKey::Return;
  if (key == VK_DELETE) return ListKey::Delete;
  return std::nullopt;
}

std::optional<ListMove> MoveOf(WPARAM key) {
  switch (key) {
    case VK_UP:
      return ListMove::Up;
    case VK_DOWN:
      return ListMove::Down;
    case VK_PRIOR:
      return ListMove::PageUp;
    case VK_NEXT:
      return ListMove::PageDown;
    case VK_HOME:
      return ListMove::Home;
    case VK_END:
      return ListMove::End;
    default:
      return std::nullopt;
  }
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Catalogue& cat)
    : instance_(instance), cat_(cat), messageHook_([this](const std::string& text) { ShowMessageBox(window_, text); }) {
  const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&classes);
  RegisterWindowClass(instance_, &MainWindow::Procedure);
  RegisterPreviewClass(instance_);
  const Box outer = kWindowOuterBox;
  ::CreateWindowExW(0, kMainWindowClass, Wide(kWindowTitle).c_str(),
                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, outer.left, outer.top, outer.width, outer.height, nullptr,
                    nullptr, instance_, this);
  if (!window_) throw Error("The window cannot be made.");
  postTo_ = window_;
  keys_ = WindowKeys();
  fonts_ = std::make_unique<WindowFonts>(WindowDpi(window_));  // the lists ask their row height as they are made
  CreateControls();
  ApplyFonts();
  FitToScreen();
  LayOut();
}

MainWindow::~MainWindow() {
  if (window_) ::DestroyWindow(window_);
  if (keys_) ::DestroyAcceleratorTable(keys_);
}

void MainWindow::EveryTick(UINT milliseconds, std::function<void()> tick) {
  tick_ = std::move(tick);
  ::SetTimer(window_, kTickTimer, milliseconds, nullptr);
}

void MainWindow::Show(int how) {
  ::ShowWindow(window_, how);
  ::UpdateWindow(window_);
}

bool MainWindow::TakesMessage(MSG& message) {
  const HWND focus = ::GetFocus();
  bool taken = keys_ && ::TranslateAcceleratorW(window_, keys_, &message);
  if (!taken && message.message == WM_KEYDOWN && message.wParam == VK_TAB && !Pressed(VK_CONTROL) &&
      !Pressed(VK_MENU)) {
    if (const HWND next = NextTabStop(focus, Pressed(VK_SHIFT))) {
      ::SetFocus(next);
      taken = true;
    }
  }
  taken = taken || ::IsDialogMessageW(window_, &message) != FALSE;
  // The window may be gone (Ctrl+Q); a key that moved the focus shows where it went.
  if (taken && window_ && ::GetFocus() != focus) ShowFocused();
  return taken;
}

// Windows steps Tab through the window's own children in the table's order, but never into
// a page of the notes, which is a child of the tab control: the page the notes show, when it
// takes the focus, comes right after the tab control, as the Qt window has its pages. nullptr
// where Windows' own step is the table's.
HWND MainWindow::NextTabStop(HWND from, bool back) const {
  const HWND tabs = notes_->Handle();
  const HWND page = notes_->FocusPage();
  if (!page || !from) return nullptr;
  if (from == page) return back ? tabs : ::GetNextDlgTabItem(window_, tabs, FALSE);
  // The control itself, for the edit field inside the folder box.
  while (::GetParent(from) && ::GetParent(from) != window_) from = ::GetParent(from);
  if (::GetParent(from) != window_) return nullptr;
  if (!back) return from == tabs ? page : nullptr;
  return ::GetNextDlgTabItem(window_, from, TRUE) == tabs ? page : nullptr;
}

EntryListBox& MainWindow::ListOf(Control list) { return *lists_.at(list); }

std::optional<Control> MainWindow::FocusedControl() const {
  const HWND focus = ::GetFocus();
  for (const ControlSpec& entry : FormLayout()) {
    const HWND control = ControlWindow(entry.id);
    if (focus && (focus == control || ::IsChild(control, focus))) return entry.id;
  }
  return std::nullopt;
}

void MainWindow::SetFolderTextQuietly(const std::string& text) {
  ++quiet_;
  ::SetWindowTextW(ControlWindow(Control::path), Wide(text).c_str());
  --quiet_;
}

void MainWindow::JobEnded() {
  Raise([](FormEvents& events) { events.JobEnded(); });
}

void MainWindow::RunLater(std::function<void()> task) {
  auto* posted = new std::function<void()>(std::move(task));
  const HWND window = postTo_;
  if (!window || !::PostMessageW(window, kRunTask, 0, reinterpret_cast<LPARAM>(posted))) delete posted;
}

// Offered for the picked entry, and only once the check has marked it.
void MainWindow::ShowActiveMenu(LPARAM at) {
  if (!events_) return;
  POINT place{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  const HWND list = ControlWindow(Control::ListBox3);
  if (place.x == -1 && place.y == -1) {
    RECT box{};
    ::GetWindowRect(list, &box);
    place = {box.left, box.top};
  }
  const HMENU menu = ::CreatePopupMenu();
  if (!menu) return;
  bool offered = false;
  Raise([&offered](FormEvents& events) { offered = events.RepairOffered(); });
  ::AppendMenuW(menu, MF_STRING | (offered ? MF_ENABLED : MF_GRAYED), kRepairCommand, L"Repair");
  const auto chosen = static_cast<UINT_PTR>(
      ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, place.x, place.y, 0, window_, nullptr));
  ::DestroyMenu(menu);
  if (chosen == kRepairCommand) Raise([](FormEvents& events) { events.RepairAsked(); });
}

void MainWindow::ShowMessage(const std::string& text) const {
  if (messageHook_) messageHook_(text);
}

// Nothing raised may pass through Windows' own code on its way back: an error of the window's
// own work ends the event and its text is shown, as the presenter's handlers do.
void MainWindow::Raise(const std::function<void(FormEvents&)>& event) {
  if (!events_) return;
  try {
    event(*events_);
  } catch (const std::exception& e) {
    ShowMessage(e.what());
  }
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->Handle(message, wParam, lParam);
  } catch (const std::exception& e) {
    self->ShowMessage(e.what());
    return 0;
  }
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      if (const auto* note = reinterpret_cast<const NMHDR*>(lParam); note->code == TCN_SELCHANGE && notes_) {
        notes_->ShowPage();
      }
      return 0;
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_MEASUREITEM: {
      auto* row = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (row->CtlType != ODT_LISTBOX) break;
      row->itemHeight = static_cast<UINT>(ListRowHeight(ControlOfId(row->CtlID)));
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* row = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const auto list = lists_.find(ControlOfId(row->CtlID));
      if (row->CtlType != ODT_LISTBOX || list == lists_.end()) break;
      list->second->Draw(*row);
      return TRUE;
    }
    case WM_DROPFILES: {
      const std::vector<std::string> files = DroppedFiles(reinterpret_cast<HDROP>(wParam));
      Raise([&files](FormEvents& events) { events.Dropped(files); });
      return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lParam != 0) break;  // a scroll bar control's, not the window's
      Scroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      Wheel(SB_VERT, -GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_MOUSEHWHEEL:
      Wheel(SB_HORZ, GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_GETMINMAXINFO:
      LimitSize(*reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_DPICHANGED:
      DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (const HWND focus = ::GetFocus(); focus && ::IsChild(window_, focus)) focus_ = focus;
        return 0;
      }
      // The focus comes back to where it was, at first to the folder box.
      ::SetFocus(focus_ && ::IsWindow(focus_) ? focus_ : ControlWindow(Control::path));
      if (!activatedOnce_) {
        activatedOnce_ = true;
        ::PostMessageW(window_, kFirstActivation, 0, 0);
      }
      return 0;
    case kFirstActivation:
      Raise([](FormEvents& events) { events.Activated(); });
      return 0;
    case kRunTask: {
      const std::unique_ptr<std::function<void()>> task(reinterpret_cast<std::function<void()>*>(lParam));
      (*task)();
      return 0;
    }
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != ControlWindow(Control::ListBox3)) break;
      ShowActiveMenu(lParam);
      return 0;
    case WM_TIMER:
      if (wParam == kTickTimer && tick_) tick_();
      return 0;
    case WM_CLOSE:
      // The presenter may keep the window while a job runs; it closes it again once the job has ended.
      if (events_ && !events_->CloseAsked()) return 0;
      ::DestroyWindow(window_);
      return 0;
    case WM_DESTROY: {
      postTo_ = nullptr;
      MSG waiting;
      while (::PeekMessageW(&waiting, window_, kRunTask, kRunTask, PM_REMOVE)) {
        delete reinterpret_cast<std::function<void()>*>(waiting.lParam);
      }
      if (destroyed_) destroyed_();
      return 0;
    }
    case WM_NCDESTROY: {
      const HWND gone = window_;
      ::SetWindowLongPtrW(gone, GWLP_USERDATA, 0);
      window_ = nullptr;
      return ::DefWindowProcW(gone, message, wParam, lParam);
    }
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::Command(WORD id, WORD code) {
  switch (id) {
    case kRefreshKey:
      return Raise([](FormEvents& events) { events.RefreshKey(); });
    case kCloseKey:
      ::PostMessageW(window_, WM_CLOSE, 0, 0);
      return;
    case kAddArchiveKey:
      return Raise([](FormEvents& events) { events.Clicked(Control::AddArchive); });
    case kFilterKey: {
      const HWND filter = ControlWindow(FilterLineFor(FocusedControl()));
      ::SetFocus(filter);
      ::SendMessageW(filter, EM_SETSEL, 0, -1);
      return;
    }
  }
  if (id < ChildIdOf(Control::Label5) || id >= ChildIdOf(Control::Label5) + static_cast<int>(kControlCount)) return;
  const Control control = ControlOfId(id);
  switch (SpecOf(control).kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      // Windows' BM_CLICK clicks a disabled button too; only an enabled one is the user's.
      if (code == BN_CLICKED && ::IsWindowEnabled(ControlWindow(control))) Raise([control](FormEvents& events) { events.Clicked(control); });
      return;
    case ControlKind::List:
      if (code == LBN_SELCHANGE && ListOf(control).TakePick()) {
        Raise([control](FormEvents& events) { events.Picked(control); });
      }
      return;
    case ControlKind::FolderBox:
      if (code == CBN_SELCHANGE) {
        // The box puts the picked item into its text only after telling: put it there first,
        // so that the text read for the change is the new one.
        const HWND box = ControlWindow(control);
        const auto item = ::SendMessageW(box, CB_GETCURSEL, 0, 0);
        if (item == CB_ERR) return;
        std::wstring text(static_cast<std::size_t>(::SendMessageW(box, CB_GETLBTEXTLEN, item, 0)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(::SendMessageW(box, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text.data()))));
        SetFolderTextQuietly(Utf8(text));
      }
      if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && quiet_ == 0) {
        Raise([](FormEvents& events) { events.FolderTextChanged(); });
      }
      return;
    case ControlKind::FilterLine:
      if (code == EN_CHANGE) {
        ListOf(FilteredList(control)).SetFilter(WindowText(ControlWindow(control)));
      }
      return;
    default:
      return;
  }
}

LRESULT CALLBACK MainWindow::ListKeys(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self) {
  auto* window = reinterpret_cast<MainWindow*>(self);
  try {
    return window->HandleListKey(static_cast<Control>(id), message, wParam, lParam);
  } catch (const std::exception& e) {
    window->ShowMessage(e.what());
    return 0;
  }
}

// Return in a list, and Delete in Active patches, run the list's job; a key that moves in the
// list, and a printable key through the type-ahead search, pick the entry they find.
LRESULT MainWindow::HandleListKey(Control list, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND box = ControlWindow(list);
  switch (message) {
    case WM_GETDLGCODE: {
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code = ::DefSubclassProc(box, message, wParam, lParam);
      return key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
      if (const std::optional<ListKey> key = JobKeyOf(wParam); key && !AnyModifier() && RunsListJob(list, *key)) {
        Raise([list](FormEvents& events) { events.Entered(list); });
        return 0;
      }
      if (const std::optional<ListMove> move = MoveOf(wParam); move && !AnyModifier()) {
        if (ListOf(list).Move(*move)) Raise([list](FormEvents& events) { events.Picked(list); });
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      ShowWholeEntry(list, lParam);
      break;
    case WM_CHAR:
      if (wParam == L'\r') return 0;  // taken at WM_KEYDOWN
      if (wParam > L' ' && wParam < 0x7f && !Pressed(VK_CONTROL) && !Pressed(VK_MENU)) {
        if (ListOf(list).TypeAhead(static_cast<char>(wParam), static_cast<long long>(::GetTickCount64()))) {
          Raise([list](FormEvents& events) { events.Picked(list); });
        }
        return 0;
      }
      break;
  }
  return ::DefSubclassProc(box, message, wParam, lParam);
}

// An entry cut at the list's edge (a long slot or folder name) shows whole in the list's
// tooltip, as in the Qt window, a marked one tells why, and under it who holds the entry's
// slot or what it holds; elsewhere the list has none.
void MainWindow::ShowWholeEntry(Control list, LPARAM at) {
  const HWND box = ControlWindow(list);
  const std::string whole = ListOf(list).TipAt({GET_X_LPARAM(at), GET_Y_LPARAM(at)});
  if (whole != hints_->Of(box)) hints_->Set(box, whole);
}

}  // namespace vantrel::win32ui
