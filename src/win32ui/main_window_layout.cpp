// The window's controls: made from the layout table, given their fonts, placed at the
// table's places scaled to the window's DPI and grown with the window as the Qt one grows.
#include "win32ui/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "platform/errors.h"
#include "platform/win32_text.h"
#include "win32ui/control_kinds.h"
#include "win32ui/dpi.h"
#include "win32ui/entry_drawing.h"
#include "win32ui/filter_line.h"
#include "window/list_controls.h"

namespace vantrel::win32ui {

using platform::detail::Wide;

namespace {

// A drop-down box is given the height of its field and of its list together; the list has
// room for the four folders and a few more.
constexpr int kFolderListRows = 8;
constexpr int kHintWidth = 320;

std::size_t ListColumn(Control list) {
  return list == Control::ListBox1 ? 0 : list == Control::ListBox2 ? 1 : 2;
}

HWND MakeControl(HWND parent, HINSTANCE instance, const ControlSpec& entry) {
  const NativeKind kind = NativeKindOf(entry.kind);
  const Box& box = entry.box;
  const HWND control = ::CreateWindowExW(kind.exStyle, kind.className, Wide(entry.caption).c_str(),
                                         WS_CHILD | WS_VISIBLE | StyleOf(entry.kind), box.left, box.top, box.width, box.height,
                                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ChildIdOf(entry.id))),
                                         instance, nullptr);
  if (!control) throw Error("The window's control " + std::string(entry.name) + " cannot be made.");
  return control;
}

// The field of a drop-down box is as high as its font makes it: it is made as high as the
// layout's place instead. Windows and Wine take the item height they are given differently
// (Wine adds two pixels), so the height set is corrected by what it gave.
// The room a check box's or radio button's box and the gap after it take before the caption.
constexpr int kMarkWidth = 20;

// Captions keep to one line: a label, check box or radio button whose caption is wider than its
// place in the layout (a stand-in for the window's face is wider than the face itself) grows to
// the right, so that the text is never cut.
int WidthForCaption(HWND control, ControlKind kind, HFONT font, UINT dpi, int width) {
  if (kind != ControlKind::Label && kind != ControlKind::CheckBox && kind != ControlKind::RadioButton) return width;
  const int length = ::GetWindowTextLengthW(control);
  if (length == 0) return width;
  std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(::GetWindowTextW(control, caption.data(), length + 1)));
  const HDC dc = ::GetDC(control);
  const HGDIOBJ earlier = ::SelectObject(dc, font);
  RECT text{};
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CALCRECT | DT_SINGLELINE);
  ::SelectObject(dc, earlier);
  ::ReleaseDC(control, dc);
  const int mark = kind == ControlKind::Label ? 0 : Scaled(kMarkWidth, dpi);
  return std::max(width, static_cast<int>(text.right - text.left) + mark);
}

// The controls to the right of a caption that may grow past its place: the working folder's
// box beside its label, and the combination's label and line beside the radio button, which
// comes near them where the layout is narrower than its reference. Each is pushed right as
// far as the caption reaches into it; the layout leaves room to their right.
constexpr std::pair<Control, Control> kCaptionsBeside[] = {
    {Control::Label5, Control::path}, {Control::FMDMavail, Control::Label4}, {Control::FMDMavail, Control::Edit1}};

int FieldHeight(HWND box) {
  RECT field{};
  ::GetWindowRect(box, &field);
  return field.bottom - field.top;
}

void FitFieldHeight(HWND box, int height) {
  auto item = static_cast<int>(::SendMessageW(box, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  for (int tries = 0; tries < 2 && FieldHeight(box) != height; ++tries) {
    item += height - FieldHeight(box);
    if (item <= 0) return;
    ::SendMessageW(box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
  }
}

}  // namespace

// Made in the table's order, which is the Tab order: Windows steps through a window's
// controls in the order they were made.
void MainWindow::CreateControls() {
  hints_ = std::make_unique<Hints>(window_);
  for (const ControlSpec& entry : FormLayout()) {
    const HWND control = MakeControl(window_, instance_, entry);
    controls_[static_cast<std::size_t>(entry.id)] = control;
    hints_->Add(control, std::string(entry.hint));
    switch (entry.kind) {
      case ControlKind::FolderBox:
        for (const std::string_view folder : kFolderChoices) {
          ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(folder).c_str()));
        }
        SetFolderTextQuietly(std::string(kFolderBoxText));
        break;
      case ControlKind::List:
        lists_[entry.id] = std::make_unique<EntryListBox>(control, EntryListOf(cat_, entry.id));
        ::SetWindowSubclass(control, &MainWindow::ListKeys, static_cast<UINT_PTR>(entry.id),
                            reinterpret_cast<DWORD_PTR>(this));
        break;
      case ControlKind::Note:
        ::ShowWindow(control, SW_HIDE);  // shown only while a list leaves entries out for its cap
        break;
      case ControlKind::Picture:
        preview_ = std::make_unique<PreviewPane>(control);
        break;
      case ControlKind::Tabs:
        notes_ = std::make_unique<NotesTabs>(control);
        break;
      default:
        break;
    }
  }
  for (const Control filter : {Control::PatchFilter, Control::SlotFilter}) {
    MakeFilterLine(ControlWindow(filter), ControlWindow(FilteredList(filter)));
  }
  // Archives dropped anywhere on the window are added, as on the Qt window's patch list.
  ::DragAcceptFiles(window_, TRUE);
  // The model file variants wait for "Enable FM/DM changing".
  for (const Control variant : {Control::CheckBox2, Control::CheckBox3, Control::CheckBox4}) {
    ::EnableWindow(ControlWindow(variant), FALSE);
  }
}

void MainWindow::ApplyFonts() {
  const UINT dpi = fonts_->Dpi();
  for (const ControlSpec& entry : FormLayout()) {
    ::SendMessageW(ControlWindow(entry.id), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Of(entry.font)), TRUE);
    if (entry.kind != ControlKind::List) continue;
    ::SendMessageW(ControlWindow(entry.id), LB_SETITEMHEIGHT, 0, ListRowHeight(entry.id));
  }
  notes_->SetFont(fonts_->Of(FontRole::Window));
  ::SendMessageW(hints_->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Of(FontRole::Window)), FALSE);
  hints_->SetWidth(Scaled(kHintWidth, dpi));
}

// The layout's row height at the window's DPI, or the list's font's line where a stand-in
// face is higher.
int MainWindow::ListRowHeight(Control list) const {
  return RowHeight(fonts_->Of(SpecOf(list).font), Scaled(kListItemHeight, fonts_->Dpi()));
}

// The client area the layout's outer size leaves at this DPI, with this window's frame and
// no scroll bars: the form's own size.
SIZE MainWindow::ReferenceClientSize() const {
  RECT outer{};
  ::GetWindowRect(window_, &outer);
  const SIZE client = BareClientSize();
  const UINT dpi = Dpi();
  return {Scaled(kWindowOuterBox.width, dpi) - ((outer.right - outer.left) - client.cx),
          Scaled(kWindowOuterBox.height, dpi) - ((outer.bottom - outer.top) - client.cy)};
}

// The form at the layout's size, its margin, lists and panels shrunk where the window is
// smaller, and scrolled where it is smaller than they can shrink.
void MainWindow::LayOut() {
  if (!fonts_ || !notes_ || placing_) return;  // while the window is being made, or placed already
  RECT client{};
  ::GetClientRect(window_, &client);
  if (client.right == 0 && client.bottom == 0) return;  // minimised: the places stay
  placing_ = true;
  const struct Placed {
    bool& placing;
    ~Placed() { placing = false; }
  } placed{placing_};
  const UINT dpi = Dpi();
  const SIZE reference = ReferenceClientSize();
  const Shrink most = MostShrink(dpi);
  const POINT scrolled = FitScrollBars({reference.cx - most.Across(), reference.cy - most.Total()});
  ::GetClientRect(window_, &client);
  std::array<int, kListColumns> listWidths{};
  for (const Control list : {Control::ListBox1, Control::ListBox2, Control::ListBox3}) {
    listWidths[ListColumn(list)] = Scaled(SpecOf(list).box.width, dpi);
  }
  const Growth growth = ShareOut(client.right - reference.cx, client.bottom - reference.cy, listWidths, most);
  const auto placeOf = [&](const ControlSpec& entry) { return Grown(Scaled(entry.box, dpi), AnchorOf(entry.name), growth); };
  std::array<int, kControlCount> pushed{};  // how far a caption grown beside a control pushes it
  for (const ControlSpec& entry : FormLayout()) {
    Box box = placeOf(entry);
    if (entry.kind == ControlKind::FolderBox) box.height *= kFolderListRows;
    box.width = WidthForCaption(ControlWindow(entry.id), entry.kind, fonts_->Of(entry.font), dpi, box.width);
    box.left += pushed[static_cast<std::size_t>(entry.id)];
    for (const auto& [caption, beside] : kCaptionsBeside) {
      if (caption != entry.id) continue;
      const int overlap = box.left + box.width - placeOf(SpecOf(beside)).left;
      int& push = pushed[static_cast<std::size_t>(beside)];
      push = std::max(push, overlap);
    }
    ::SetWindowPos(ControlWindow(entry.id), nullptr, box.left - scrolled.x, box.top - scrolled.y, box.width,
                   box.height, SWP_NOZORDER | SWP_NOACTIVATE);
    // A list box repaints only the strip a wider place uncovers, and its entries drawn before
    // at the old width would stay beside the new ones: it is drawn again whole.
    if (entry.kind == ControlKind::List) ::InvalidateRect(ControlWindow(entry.id), nullptr, TRUE);
  }
  FitFieldHeight(ControlWindow(Control::path), Scaled(SpecOf(Control::path).box.height, dpi));
  notes_->ShowPage();
}

// The layout's place, scaled, fitted to the free area of the screen it is on.
void MainWindow::FitToScreen() {
  const UINT dpi = Dpi();
  const Box wanted{kWindowOuterBox.left, kWindowOuterBox.top, Scaled(kWindowOuterBox.width, dpi),
                   Scaled(kWindowOuterBox.height, dpi)};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  const RECT wantedRect = ToRect(wanted);
  if (!::GetMonitorInfoW(::MonitorFromRect(&wantedRect, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  const Box placed =
      vantrel::PlaceOnScreen(wanted, ToBox(monitor.rcWork), wanted.width, Scaled(kShortestWindowHeight, dpi));
  ::SetWindowPos(window_, nullptr, placed.left, placed.top, placed.width, placed.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// No smaller than the layout's margin, lists and panels can shrink, unless the screen is.
void MainWindow::LimitSize(MINMAXINFO& limits) const {
  if (!fonts_) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  const UINT dpi = Dpi();
  limits.ptMinTrackSize.x = std::min<LONG>(Scaled(kNarrowestWindowWidth, dpi), monitor.rcWork.right - monitor.rcWork.left);
  limits.ptMinTrackSize.y = std::min<LONG>(Scaled(kShortestWindowHeight, dpi), monitor.rcWork.bottom - monitor.rcWork.top);
}

// Moved to a monitor of another DPI: new fonts, the place Windows suggests, the controls
// placed anew. The old fonts go once no control uses them.
void MainWindow::DpiChanged(UINT dpi, const RECT& suggested) {
  std::unique_ptr<WindowFonts> old = std::move(fonts_);
  fonts_ = std::make_unique<WindowFonts>(dpi);
  ApplyFonts();
  ::SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut();
}

}  // namespace vantrel::win32ui
