// What the window forwards: clicks, picks in the lists (and none for the program's own
// selections), keys, the folder box's changes, the first activation, the job's end.
#include "window_fixture.h"

#include <functional>
#include <vector>

#include "platform/errors.h"
#include "win32ui/control_kinds.h"
#include "win32ui/window_text.h"

namespace vantrel::win32ui::testing {
namespace {

using Seen = std::vector<std::string>;

const std::vector<std::string> kPatches = {"0301 Spitfire", "0302 Hurricane", "0311 Mosquito", "0401 Tank", "0501 Ship"};

class Events : public WindowTest {
 protected:
  Events() { cat.ListBox1.Replace(kPatches); }

  // The control's own notification of a user's pick of `row`, as a click sends it.
  void ClickRow(Control list, int row) {
    RECT item{};
    ::SendMessageW(Of(list), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 2, item.top + 2);
    ::SendMessageW(Of(list), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(Of(list), WM_LBUTTONUP, 0, at);
    Pump();
  }
  int ShownRow(Control list) { return static_cast<int>(::SendMessageW(Of(list), LB_GETCURSEL, 0, 0)); }
  std::wstring ShownText(Control list, int row) {
    wchar_t text[64] = {};
    ::SendMessageW(Of(list), LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    return text;
  }
  void Type(HWND target, const std::wstring& keys) {
    for (const wchar_t key : keys) ::SendMessageW(target, WM_CHAR, key, 1);
    Pump();
  }
};

TEST_F(Events, AClickOnAButtonOrBoxIsForwardedAsClickedIt) {
  const Control clickable[] = {Control::Button1,   Control::AddArchive, Control::Button2,   Control::FMDMavail,
                               Control::CheckBox1, Control::CheckBox2,  Control::CheckBox3, Control::CheckBox4,
                               Control::v,         Control::Button4};
  for (const Control control : clickable) {
    events.seen.clear();
    view.SetEnabled(control, true);
    ::SendMessageW(Of(control), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(events.seen, Seen{"Clicked " + RecordingEvents::Name(control)});
  }
  EXPECT_EQ(::SendMessageW(Of(Control::CheckBox1), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(::SendMessageW(Of(Control::FMDMavail), BM_GETCHECK, 0, 0), BST_CHECKED) << "a click marks it";
  view.SetChecked(Control::FMDMavail, false);
  EXPECT_EQ(::SendMessageW(Of(Control::FMDMavail), BM_GETCHECK, 0, 0), BST_UNCHECKED) << "and the program clears it";
}

TEST_F(Events, ADisabledButtonForwardsNothing) {
  ::SendMessageW(Of(Control::CheckBox3), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(events.seen, Seen{});
}

TEST_F(Events, AUsersPickSelectsInTheEntryListAndIsForwarded) {
  ClickRow(Control::ListBox1, 2);
  EXPECT_EQ(cat.ListBox1.Selected(), 2);
  EXPECT_EQ(events.seen, Seen{"Picked ListBox1"});

  events.seen.clear();
  ::SendMessageW(Of(Control::ListBox1), LB_SETCURSEL, 4, 0);
  ::SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(ChildIdOf(Control::ListBox1), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Of(Control::ListBox1)));
  EXPECT_EQ(cat.ListBox1.Selected(), 4);
  EXPECT_EQ(events.seen, Seen{"Picked ListBox1"});
}

TEST_F(Events, TheProgramsSelectionIsShownAndForwardsNothing) {
  cat.ListBox3.Replace({"0301_Spitfire", "0401_Tank"});
  cat.ListBox3.Select(1);
  EXPECT_EQ(ShownRow(Control::ListBox3), 1);
  EXPECT_EQ(ShownText(Control::ListBox3, 0), L"0301_Spitfire");
  cat.ListBox3.ClearSelection();
  EXPECT_EQ(ShownRow(Control::ListBox3), LB_ERR);
  cat.ListBox1.Select(3);
  EXPECT_EQ(ShownRow(Control::ListBox1), 3);
  Pump();
  EXPECT_EQ(events.seen, Seen{});
}

// The filter shows the entries it is part of, by code or name in any letter case; a pick in
// the filtered list picks the entry itself, which stays picked once the filter is gone.
TEST_F(Events, TheFilterLineShowsTheMatchingEntriesAndAPickAmongThemPicksTheEntry) {
  ::SetWindowTextW(Of(Control::PatchFilter), L"mos");
  ASSERT_EQ(::SendMessageW(Of(Control::ListBox1), LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(ShownText(Control::ListBox1, 0), L"0311 Mosquito");
  ::SetWindowTextW(Of(Control::PatchFilter), L"03");
  ASSERT_EQ(::SendMessageW(Of(Control::ListBox1), LB_GETCOUNT, 0, 0), 3);
  ClickRow(Control::ListBox1, 1);
  EXPECT_EQ(cat.ListBox1.Selected(), 1);
  ::SetWindowTextW(Of(Control::PatchFilter), L"04");
  EXPECT_EQ(ShownRow(Control::ListBox1), LB_ERR) << "the pick is out of view";
  EXPECT_EQ(cat.ListBox1.Selected(), 1) << "but still the entry list's";
  ::SetWindowTextW(Of(Control::PatchFilter), L"");
  EXPECT_EQ(::SendMessageW(Of(Control::ListBox1), LB_GETCOUNT, 0, 0), 5);
  EXPECT_EQ(ShownRow(Control::ListBox1), 1);
  EXPECT_EQ(events.seen, Seen{"Picked ListBox1"});
}

TEST_F(Events, TheFilterLinesKeysGoOnIntoTheListOrEmptyIt) {
  ::SetWindowTextW(Of(Control::SlotFilter), L"x");
  ::SetFocus(Of(Control::SlotFilter));
  Press(Of(Control::SlotFilter), VK_ESCAPE);
  EXPECT_EQ(WindowText(Of(Control::SlotFilter)), "");
  Press(Of(Control::SlotFilter), VK_RETURN);
  EXPECT_EQ(::GetFocus(), Of(Control::ListBox2));
}

// A key that moves in a list picks the entry it moves to, also from a pick the filter hides.
TEST_F(Events, KeysThatMoveInAListPickTheEntryTheyMoveTo) {
  ClickRow(Control::ListBox1, 0);
  ::SetWindowTextW(Of(Control::PatchFilter), L"mos");
  ASSERT_EQ(ShownRow(Control::ListBox1), LB_ERR) << "the pick is out of view";
  events.seen.clear();
  ::SetFocus(Of(Control::ListBox1));
  Press(Of(Control::ListBox1), VK_DOWN);
  EXPECT_EQ(cat.ListBox1.Selected(), 2) << "0311 Mosquito, the one entry in view";
  EXPECT_EQ(ShownRow(Control::ListBox1), 0);
  EXPECT_EQ(events.seen, Seen{"Picked ListBox1"});

  ::SetWindowTextW(Of(Control::PatchFilter), L"");
  const std::pair<UINT, int> moves[] = {{VK_END, 4},  {VK_HOME, 0}, {VK_DOWN, 1},
                                        {VK_NEXT, 4}, {VK_UP, 3},   {VK_PRIOR, 0}};
  for (const auto& [key, picked] : moves) {
    events.seen.clear();
    Press(Of(Control::ListBox1), key);
    EXPECT_EQ(cat.ListBox1.Selected(), picked) << key;
    EXPECT_EQ(ShownRow(Control::ListBox1), picked) << key;
    EXPECT_EQ(events.seen, Seen{"Picked ListBox1"}) << key;
  }
  events.seen.clear();
  Press(Of(Control::ListBox1), VK_UP);
  EXPECT_EQ(events.seen, Seen{}) << "a key that moves nothing picks nothing";
}

TEST_F(Events, TypingTheStartOfACodePicksTheFirstEntryWithIt) {
  ::SetFocus(Of(Control::ListBox1));
  Type(Of(Control::ListBox1), L"031");
  EXPECT_EQ(cat.ListBox1.Selected(), 2);
  EXPECT_EQ(ShownRow(Control::ListBox1), 2);
  // "0" and "03" found the first entry, "031" the third: one pick for each change.
  EXPECT_EQ(events.seen, (Seen{"Picked ListBox1", "Picked ListBox1"}));
}

TEST_F(Events, ReturnRunsAListsJobAndDeleteThatOfActivePatches) {
  cat.ListBox3.Replace({"0301_Spitfire"});
  const std::pair<Control, UINT> runs[] = {{Control::ListBox1, VK_RETURN},
                                           {Control::ListBox2, VK_RETURN},
                                           {Control::ListBox3, VK_RETURN},
                                           {Control::ListBox3, VK_DELETE}};
  for (const auto& [list, key] : runs) {
    events.seen.clear();
    ::SetFocus(Of(list));
    Press(Of(list), key);
    EXPECT_EQ(events.seen, Seen{"Entered " + RecordingEvents::Name(list)}) << key;
  }
  events.seen.clear();
  ::SetFocus(Of(Control::ListBox1));
  Press(Of(Control::ListBox1), VK_DELETE);
  EXPECT_EQ(events.seen, Seen{}) << "Delete removes only an active patch";
}

TEST_F(Events, F5Refreshes) {
  ::SetFocus(Of(Control::ListBox2));
  Press(Of(Control::ListBox2), VK_F5);
  EXPECT_EQ(events.seen, Seen{"RefreshKey"});
}

// Ctrl+Q, Alt+F4, the title bar's close and the view's own Close all come as WM_CLOSE; a
// close the presenter keeps (a job runs) leaves the window as it was.
TEST_F(Events, EveryCloseAsksThePresenterAndOnlyItsYesDestroysTheWindow) {
  bool destroyed = false;
  window.OnDestroyed([&] { destroyed = true; });
  const auto ctrlQ = [this] {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    Press(Of(Control::ListBox2), 'Q');
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
  };
  const auto altF4 = [this] {
    ::SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
  };
  const auto viewClose = [this] {
    view.Close();
    Pump();
  };
  for (const std::function<void()>& close : std::vector<std::function<void()>>{ctrlQ, altF4, viewClose}) {
    events.seen.clear();
    events.closes = false;
    close();
    EXPECT_EQ(events.seen, Seen{"CloseAsked"});
    EXPECT_FALSE(destroyed);
    ASSERT_TRUE(::IsWindow(window.Handle()));
  }
  events.closes = true;
  ctrlQ();
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(window.Handle(), nullptr);
}

// Typed or picked, a change of the folder box's text is forwarded, with the new text in
// place; a text the program sets is not.
TEST_F(Events, TheFolderBoxForwardsTheUsersChangesOnly) {
  view.SetText(Control::path, "Multi");
  EXPECT_EQ(view.Text(Control::path), "Multi");
  EXPECT_EQ(events.seen, Seen{});

  const HWND field = ::GetWindow(Of(Control::path), GW_CHILD);
  ASSERT_EQ(ClassOf(field), L"Edit");
  ::SendMessageW(field, EM_SETSEL, 5, 5);
  Type(field, L"x");
  EXPECT_EQ(events.seen, Seen{"FolderTextChanged Multix"});

  events.seen.clear();
  view.SetText(Control::path, "path");
  ::SendMessageW(Of(Control::path), CB_SETCURSEL, 1, 0);  // as the drop-down list leaves it
  ::SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(ChildIdOf(Control::path), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Of(Control::path)));
  EXPECT_EQ(events.seen, Seen{"FolderTextChanged Simpatch"});
}

TEST_F(Events, OnlyTheFirstActivationIsForwarded) {
  EXPECT_EQ(std::count(startEvents.begin(), startEvents.end(), "Activated"), 1);
  ::SendMessageW(window.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  ::SendMessageW(window.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  Pump();
  EXPECT_EQ(events.seen, Seen{});
}

TEST_F(Events, TheJobsOutcomeLineAndEndReachTheWindow) {
  window.ShowJobOutcome("Patch 0301 Spitfire is installed in 0309.");
  EXPECT_EQ(WindowText(window.Notes().Outcome()), "Patch 0301 Spitfire is installed in 0309.");
  window.JobEnded();
  EXPECT_EQ(events.seen, Seen{"JobEnded"});
}

TEST_F(Events, AnErrorAnEventRaisesEndsItWithItsTextShown) {
  events.onClick = [] { throw Error("File access denied"); };
  ::SendMessageW(Of(Control::Button2), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(messages, std::vector<std::string>{"File access denied"});
  EXPECT_TRUE(::IsWindow(window.Handle()));
}

}  // namespace
}  // namespace vantrel::win32ui::testing
