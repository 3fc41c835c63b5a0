// The window's controls: each the native control its kind names, at its place scaled to the
// window's DPI, with the table's caption, font, hint and Tab order.
#include "window_fixture.h"

#include <commctrl.h>

#include <utility>

#include "platform/win32_text.h"
#include "win32ui/dpi.h"
#include "win32ui/window_text.h"

namespace vantrel::win32ui::testing {
namespace {

// The layout's pixels at `dpi`, rounded half up, worked out apart from the window's own code.
int At(int pixels, int dpi) { return (pixels * dpi + 48) / 96; }
Box At(const Box& box, int dpi) { return {At(box.left, dpi), At(box.top, dpi), At(box.width, dpi), At(box.height, dpi)}; }

const std::map<ControlKind, std::wstring> kClassOfKind = {
    {ControlKind::Label, L"Static"},     {ControlKind::FolderBox, L"ComboBox"},  {ControlKind::Button, L"Button"},
    {ControlKind::FilterLine, L"Edit"},  {ControlKind::List, L"ListBox"},        {ControlKind::Note, L"Static"},
    {ControlKind::RadioButton, L"Button"}, {ControlKind::Edit, L"Edit"},         {ControlKind::CheckBox, L"Button"},
    {ControlKind::Picture, L"VantrelPreview"}, {ControlKind::Tabs, L"SysTabControl32"},
};

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font;
}

bool GrowsToItsCaption(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

// The place a control must have: the folder box's is its field, the rest their whole box. A
// caption in a wider stand-in face widens its label or box to the right, and pushes the
// folder box, and the combination's label and line, to the right.
void ExpectAt(const Box& place, const Box& expected, ControlKind kind, std::string_view name) {
  if (kind == ControlKind::FolderBox || name == "Label4" || name == "Edit1") {
    EXPECT_GE(place.left, expected.left) << name << ", pushed right only by the caption beside it";
  } else {
    EXPECT_EQ(place.left, expected.left) << name;
  }
  EXPECT_EQ(place.top, expected.top) << name;
  if (GrowsToItsCaption(kind)) {
    EXPECT_GE(place.width, expected.width) << name;
  } else {
    EXPECT_EQ(place.width, expected.width) << name;
  }
  EXPECT_EQ(place.height, expected.height) << name << (kind == ControlKind::FolderBox ? " (its field)" : "");
}

using Controls = WindowTest;

TEST_F(Controls, EachIsTheNativeControlItsKindNames) {
  for (const ControlSpec& entry : FormLayout()) {
    ASSERT_TRUE(::IsWindow(Of(entry.id))) << entry.name;
    EXPECT_EQ(ClassOf(Of(entry.id)), kClassOfKind.at(entry.kind)) << entry.name;
    EXPECT_EQ(::GetParent(Of(entry.id)), window.Handle()) << entry.name;
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(Of(entry.id), GWL_STYLE));
    switch (entry.kind) {
      case ControlKind::List:
        EXPECT_EQ(style & (LBS_NOTIFY | LBS_SORT), DWORD{LBS_NOTIFY}) << entry.name << ": the entry list sorts";
        break;
      case ControlKind::FolderBox:
        EXPECT_EQ(style & 3, DWORD{CBS_DROPDOWN}) << "an editable text with the choices";
        break;
      case ControlKind::RadioButton:
        EXPECT_EQ(style & BS_TYPEMASK, DWORD{BS_AUTORADIOBUTTON});
        break;
      case ControlKind::CheckBox:
        EXPECT_EQ(style & BS_TYPEMASK, DWORD{BS_AUTOCHECKBOX}) << entry.name;
        break;
      case ControlKind::Button:
        EXPECT_EQ(style & BS_TYPEMASK, DWORD{BS_PUSHBUTTON}) << entry.name;
        break;
      default:
        break;
    }
  }
  EXPECT_EQ(ClassOf(window.Notes().Readme()), L"Edit");
  EXPECT_TRUE(::GetWindowLongPtrW(window.Notes().Readme(), GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(::GetWindowLongPtrW(window.Notes().Readme(), GWL_STYLE) & ES_MULTILINE);
}

// The growth the window's client area gives the layout at `dpi`: the frame is the window's
// own, without the scroll bars, which take their room from the client area.
Growth GrowthOf(HWND window, int dpi = 96) {
  RECT outer{};
  RECT client{};
  ::GetWindowRect(window, &outer);
  ::GetClientRect(window, &client);
  const auto style = ::GetWindowLongPtrW(window, GWL_STYLE);
  const SIZE bars{style & WS_VSCROLL ? ::GetSystemMetrics(SM_CXVSCROLL) : 0,
                  style & WS_HSCROLL ? ::GetSystemMetrics(SM_CYHSCROLL) : 0};
  const SIZE frame{(outer.right - outer.left) - client.right - bars.cx,
                   (outer.bottom - outer.top) - client.bottom - bars.cy};
  const auto at = [dpi](int pixels) { return ::MulDiv(pixels, dpi, 96); };
  return ShareOut(client.right - (at(875) - frame.cx), client.bottom - (at(868) - frame.cy),
                  {at(201), at(217), at(177)}, MostShrink(static_cast<UINT>(dpi)));
}

// The window is made at the layout's outer size; on a screen lower than that (Wine's null
// driver has 1024 × 768) its lists give up the height the screen lacks.
TEST_F(Controls, SitAtTheirPlacesAtTheWindowsDpi) {
  ASSERT_EQ(window.Dpi(), 96u);
  const Growth growth = GrowthOf(window.Handle());
  EXPECT_LT(growth.height, 0) << "Wine's screen is lower than the layout";
  for (const ControlSpec& entry : FormLayout()) {
    ExpectAt(PlaceOf(entry.id), Grown(entry.box, AnchorOf(entry.name), growth), entry.kind, entry.name);
  }
}

// Whatever face stands in for the window's, no caption of a label or box is cut.
TEST_F(Controls, EveryCaptionFitsItsControl) {
  for (const ControlSpec& entry : FormLayout()) {
    if (!GrowsToItsCaption(entry.kind) || entry.caption.empty()) continue;
    std::wstring shown;
    for (const wchar_t c : platform::detail::Wide(entry.caption)) {
      if (c != L'&') shown += c;
    }
    const HDC dc = ::GetDC(Of(entry.id));
    const HGDIOBJ earlier = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(Of(entry.id), WM_GETFONT, 0, 0)));
    SIZE text{};
    ::GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &text);
    ::SelectObject(dc, earlier);
    ::ReleaseDC(Of(entry.id), dc);
    const int mark = entry.kind == ControlKind::Label ? 0 : 13;  // the box itself, at least
    EXPECT_GE(PlaceOf(entry.id).width, text.cx + mark) << entry.name;
  }
}

// Narrowed as far as it goes at twice the usual DPI, a caption grown past its place pushes
// the control beside it rather than reach under it.
TEST_F(Controls, AGrownCaptionPushesTheControlBesideIt) {
  RECT suggested{0, 0, 1024, 768};
  ::SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  ASSERT_LT(GrowthOf(window.Handle(), 192).columns[0], 0) << "narrower than the layout";
  const std::pair<Control, Control> kBeside[] = {
      {Control::Label5, Control::path}, {Control::FMDMavail, Control::Label4}, {Control::FMDMavail, Control::Edit1}};
  for (const auto& [caption, beside] : kBeside) {
    const Box left = PlaceOf(caption);
    EXPECT_LE(left.left + left.width, PlaceOf(beside).left) << SpecOf(caption).name << " / " << SpecOf(beside).name;
  }
}

TEST_F(Controls, MoveScaledToAMonitorOfAnotherDpiWithNewFonts) {
  RECT suggested{100, 50, 100 + At(875, 144), 50 + At(868, 144)};
  ::SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window.Dpi(), 144u);
  RECT outer{};
  ::GetWindowRect(window.Handle(), &outer);
  EXPECT_EQ(outer.left, 100);
  EXPECT_EQ(outer.top, 50);
  const Growth growth = GrowthOf(window.Handle(), 144);
  for (const ControlSpec& entry : FormLayout()) {
    ExpectAt(PlaceOf(entry.id), Grown(At(entry.box, 144), AnchorOf(entry.name), growth), entry.kind, entry.name);
  }
  EXPECT_EQ(FontOf(Of(Control::Button1)).lfHeight, -17);  // 11 px at 1.5 times
  EXPECT_EQ(FontOf(Of(Control::Label5)).lfHeight, -20);   // 13 px
  EXPECT_EQ(FontOf(Of(Control::ListBox1)).lfHeight, -17);
  EXPECT_EQ(::SendMessageW(Of(Control::ListBox2), LB_GETITEMHEIGHT, 0, 0), 21);
}

TEST_F(Controls, HaveTheLayoutsFacesAtTheirPixelHeights) {
  ASSERT_EQ(window.Dpi(), 96u) << "Wine's screen is at 96 dpi unless told otherwise";
  const LOGFONTW bold = FontOf(Of(Control::Label5));
  EXPECT_EQ(bold.lfHeight, -13);
  EXPECT_GE(bold.lfWeight, FW_BOLD);
  for (const Control list : {Control::ListBox1, Control::ListBox2, Control::ListBox3}) {
    const LOGFONTW font = FontOf(Of(list));
    EXPECT_EQ(font.lfHeight, -11);
    EXPECT_EQ(font.lfPitchAndFamily & 3, FIXED_PITCH) << "the codes line up";
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Courier New");
    EXPECT_EQ(::SendMessageW(Of(list), LB_GETITEMHEIGHT, 0, 0), 14);
  }
  for (const Control control : {Control::Button1, Control::Edit1, Control::CheckBox1, Control::Label1}) {
    EXPECT_EQ(FontOf(Of(control)).lfHeight, -11);
    EXPECT_LT(FontOf(Of(control)).lfWeight, FW_BOLD);
  }
}

// The lists share out the room beyond the layout in proportion to their widths; the
// controls beside and below them follow (window_fit's rules, tested on their own).
// A window lower than the layout scrolls it: the frame is the window's own, without the
// scroll bars, which take their room from the client area.
TEST_F(Controls, TheListsGrowWithTheWindow) {
  const int widthWanted = 875 + 150;  // as much as Wine's smallest screen lets the window have
  ::SetWindowPos(window.Handle(), nullptr, 0, 0, widthWanted, 868 + 100, SWP_NOZORDER | SWP_NOMOVE);
  const Growth growth = GrowthOf(window.Handle());
  const int extraWidth = growth.columns[0] + growth.columns[1] + growth.columns[2];
  ASSERT_GT(extraWidth, 100);
  for (const ControlSpec& entry : FormLayout()) {
    ExpectAt(PlaceOf(entry.id), Grown(entry.box, AnchorOf(entry.name), growth), entry.kind, entry.name);
  }
  EXPECT_EQ(PlaceOf(Control::ListBox1).width + PlaceOf(Control::ListBox2).width + PlaceOf(Control::ListBox3).width,
            201 + 217 + 177 + extraWidth);
}

TEST_F(Controls, ShowTheTablesCaptionsAndStartingTexts) {
  EXPECT_EQ(WindowText(window.Handle()), "Vantrel");
  for (const ControlSpec& entry : FormLayout()) {
    if (entry.caption.empty() || entry.kind == ControlKind::FolderBox) continue;
    EXPECT_EQ(WindowText(Of(entry.id)), entry.caption) << entry.name;
  }
  EXPECT_EQ(WindowText(Of(Control::v)), "&Activate this choice");
  EXPECT_EQ(WindowText(Of(Control::AddArchive)), "Add patch from arc&hive\u2026") << "UTF-8 in, UTF-16 in the control";
  EXPECT_EQ(WindowText(Of(Control::Edit1)), "none");
  EXPECT_EQ(WindowText(Of(Control::path)), "path");
  const HWND folders = Of(Control::path);
  ASSERT_EQ(::SendMessageW(folders, CB_GETCOUNT, 0, 0), 4);
  const wchar_t* const choices[] = {L"Multi", L"Simpatch", L"Shellpat", L"3dpatch"};
  for (int i = 0; i < 4; ++i) {
    wchar_t item[32] = {};
    ::SendMessageW(folders, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::wstring(item), choices[i]);
  }
  for (const Control filter : {Control::PatchFilter, Control::SlotFilter}) {
    wchar_t cue[64] = {};
    EXPECT_TRUE(::SendMessageW(Of(filter), EM_GETCUEBANNER, reinterpret_cast<WPARAM>(cue), 64));
    EXPECT_EQ(std::wstring(cue), L"Filter by code or name");
  }
  const wchar_t* const tabs[] = {L"Job", L"Readme"};
  ASSERT_EQ(::SendMessageW(Of(Control::Notes), TCM_GETITEMCOUNT, 0, 0), 2);
  for (int i = 0; i < 2; ++i) {
    wchar_t caption[32] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = 32;
    ::SendMessageW(Of(Control::Notes), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(caption), tabs[i]);
  }
}

TEST_F(Controls, StartAsTheLayoutHasThem) {
  for (const Control variant : {Control::CheckBox2, Control::CheckBox3, Control::CheckBox4}) {
    EXPECT_FALSE(::IsWindowEnabled(Of(variant))) << RecordingEvents::Name(variant) << " waits for FM/DM changing";
  }
  EXPECT_TRUE(::IsWindowEnabled(Of(Control::CheckBox1)));
  EXPECT_FALSE(::IsWindowVisible(Of(Control::UnlistedPatches)));
  EXPECT_FALSE(::IsWindowVisible(Of(Control::UnlistedActive)));
  EXPECT_TRUE(::IsWindowVisible(Of(Control::ListBox3)));
  EXPECT_EQ(window.Notes().Shown(), NotesTabs::kJob);
}

TEST_F(Controls, HintsAreTheTablesTooltips) {
  EXPECT_EQ(window.Tips().Of(Of(Control::CheckBox1)), "only works if fmparam*.dat available");
  EXPECT_EQ(window.Tips().Of(Of(Control::AddArchive)), std::string(SpecOf(Control::AddArchive).hint));
  EXPECT_EQ(window.Tips().Of(Of(Control::Button1)), "");
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = window.Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(Of(Control::CheckBox1));
  ASSERT_TRUE(::SendMessageW(window.Tips().Handle(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_TRUE(tool.uFlags & TTF_SUBCLASS) << "the tooltip sees the mouse over the control itself";
}

// Tab goes the way the table lists the controls, past those that take no focus (labels,
// notes, the model files' radio button) and those disabled (the model variants until FM/DM
// changing).
TEST_F(Controls, TabGoesInTheTablesOrder) {
  const std::vector<Control> order = {Control::path,       Control::Game,       Control::Button1,   Control::AddArchive,
                                      Control::Button2,    Control::PatchFilter, Control::ListBox1, Control::SlotFilter,
                                      Control::ListBox2,   Control::ListBox3,    Control::Edit1,    Control::CheckBox1,
                                      Control::v,          Control::Button4,     Control::UndoJob,  Control::RestoreGame,
                                      Control::PatchSets,  Control::ScrollBox1,  Control::Notes,    Control::JobLog};
  HWND at = Of(order.front());
  for (std::size_t i = 1; i < order.size(); ++i) {
    at = ::GetNextDlgTabItem(window.Handle(), at, FALSE);
    EXPECT_EQ(at, Of(order[i])) << "after " << RecordingEvents::Name(order[i - 1]);
  }
}

// The notes' shown page follows its tab control, as the Qt window has it: Tab reaches the
// tabs, then the readme, then the job log's button; Shift+Tab the other way. With the job's
// page shown, which takes no focus, Tab goes from the tabs straight on to the button.
TEST_F(Controls, TabReachesTheNotesTabsAndTheirReadme) {
  const auto focusIs = [&](HWND control) {
    const HWND focus = ::GetFocus();
    return focus == control || ::IsChild(control, focus);
  };
  const auto press = [&](UINT key, bool shift) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(keys);
    Press(::GetFocus(), key);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
  };
  // Each step starts where the last one should have ended, with the window active, so that
  // a step that goes wrong shows alone.
  const auto focusOn = [&](HWND control) {
    ::SetActiveWindow(window.Handle());
    ::SetFocus(control);
  };
  const HWND readme = window.Notes().Readme();
  view.ShowReadme("About the patch", true);
  Pump();
  struct Step {
    HWND from;
    bool shift;
    HWND to;
  };
  const Step steps[] = {
      {Of(Control::ScrollBox1), false, Of(Control::Notes)}, {Of(Control::Notes), false, readme},
      {readme, false, Of(Control::JobLog)},                 {Of(Control::JobLog), true, readme},
      {readme, true, Of(Control::Notes)},                   {Of(Control::Notes), true, Of(Control::ScrollBox1)},
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    focusOn(steps[i].from);
    press(VK_TAB, steps[i].shift);
    EXPECT_TRUE(focusIs(steps[i].to)) << "step " << i << (steps[i].shift ? " (Shift+Tab)" : " (Tab)");
  }

  window.Notes().Select(NotesTabs::kJob);
  focusOn(Of(Control::Notes));
  press(VK_TAB, false);
  EXPECT_TRUE(focusIs(Of(Control::JobLog))) << "the job's page takes no focus";
}

// An Alt letter clicks the button whose caption marks it.
TEST_F(Controls, AltLettersClickTheirButtons) {
  const std::pair<wchar_t, Control> letters[] = {
      {L'p', Control::Button1}, {L'h', Control::AddArchive}, {L't', Control::Button2},
      {L'a', Control::v},       {L'd', Control::Button4},    {L'u', Control::UndoJob},
      {L'g', Control::RestoreGame},
  };
  for (const auto& [letter, button] : letters) {
    events.seen.clear();
    MSG key{Of(Control::ListBox1), WM_SYSCHAR, letter, LPARAM{1} << 29, 0, {}};
    ::SetFocus(Of(Control::ListBox1));
    if (!window.TakesMessage(key)) ::DispatchMessageW(&key);
    Pump();
    EXPECT_EQ(events.seen, std::vector<std::string>{"Clicked " + RecordingEvents::Name(button)}) << char(letter);
  }
}

// The caption the presenter gives Button4 after its first use keeps its Alt letter.
TEST_F(Controls, AltDClicksTheButtonAfterEachNewCaption) {
  for (int use = 0; use < 3; ++use) {
    events.seen.clear();
    MSG key{Of(Control::ListBox3), WM_SYSCHAR, L'd', LPARAM{1} << 29, 0, {}};
    ::SetFocus(Of(Control::ListBox3));
    if (!window.TakesMessage(key)) ::DispatchMessageW(&key);
    Pump();
    EXPECT_EQ(events.seen, std::vector<std::string>{"Clicked Button4"}) << "use " << use;
    view.SetText(Control::Button4, "Deactivating..");
    view.SetText(Control::Button4, kDeactivateCaption);
  }
}

}  // namespace
}  // namespace vantrel::win32ui::testing
