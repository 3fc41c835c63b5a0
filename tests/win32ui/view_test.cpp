// Each of the view's calls does what it says on the native controls.
#include "window_fixture.h"

#include <commctrl.h>

#include "win32ui/progress_box.h"
#include "win32ui/window_text.h"

namespace vantrel::win32ui::testing {
namespace {

std::wstring WideText(HWND control) {
  wchar_t text[256] = {};
  ::GetWindowTextW(control, text, 256);
  return text;
}

using View = WindowTest;

TEST_F(View, SetTextAndTitleAreUtf8InsideAndUtf16InTheControls) {
  view.SetTitle("Vantrel : c:\\spiele\\m\u00fcnchen");
  EXPECT_EQ(WideText(window.Handle()), L"Vantrel : c:\\spiele\\m\u00fcnchen");
  const std::pair<Control, std::string> texts[] = {
      {Control::Edit1, "0301 Z\u00fcrich ==> 0309 Spitfire"},
      {Control::v, "Working......"},
      {Control::UnlistedPatches, "12 patch folders not listed"},
      {Control::path, "Simpatch"},
  };
  for (const auto& [control, text] : texts) {
    view.SetText(control, text);
    EXPECT_EQ(view.Text(control), text);
    EXPECT_EQ(WindowText(Of(control)), text);
  }
  EXPECT_EQ(WideText(Of(Control::Edit1)), L"0301 Z\u00fcrich ==> 0309 Spitfire");
  EXPECT_EQ(events.seen, std::vector<std::string>{});
}

TEST_F(View, SetEnabledCheckedAndShownChangeTheControls) {
  for (const Control control : {Control::CheckBox2, Control::ListBox2, Control::v}) {
    view.SetEnabled(control, false);
    EXPECT_FALSE(::IsWindowEnabled(Of(control))) << RecordingEvents::Name(control);
    view.SetEnabled(control, true);
    EXPECT_TRUE(::IsWindowEnabled(Of(control))) << RecordingEvents::Name(control);
  }
  for (const Control control : {Control::CheckBox1, Control::CheckBox4, Control::FMDMavail}) {
    view.SetChecked(control, true);
    EXPECT_EQ(::SendMessageW(Of(control), BM_GETCHECK, 0, 0), BST_CHECKED) << RecordingEvents::Name(control);
    view.SetChecked(control, false);
    EXPECT_EQ(::SendMessageW(Of(control), BM_GETCHECK, 0, 0), BST_UNCHECKED) << RecordingEvents::Name(control);
  }
  view.SetShown(Control::UnlistedActive, true);
  EXPECT_TRUE(::IsWindowVisible(Of(Control::UnlistedActive)));
  view.SetShown(Control::UnlistedActive, false);
  EXPECT_FALSE(::IsWindowVisible(Of(Control::UnlistedActive)));
  EXPECT_EQ(events.seen, std::vector<std::string>{}) << "the program's changes are no clicks";
}

TEST_F(View, SetHintChangesTheTooltip) {
  view.SetHint(Control::CheckBox1, "FMparam3.dat UNavailable, FM modification NOT possible");
  EXPECT_EQ(window.Tips().Of(Of(Control::CheckBox1)), "FMparam3.dat UNavailable, FM modification NOT possible");
}

TEST_F(View, ShowFromStartPutsTheLinesStartInView) {
  view.SetText(Control::Edit1, std::string(200, 'x') + " ==> 0309 Spitfire");
  ::SendMessageW(Of(Control::Edit1), EM_SETSEL, 150, 150);
  view.ShowFromStart(Control::Edit1);
  DWORD start = 1, end = 1;
  ::SendMessageW(Of(Control::Edit1), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
  const auto firstShown = LOWORD(::SendMessageW(Of(Control::Edit1), EM_CHARFROMPOS, 0, MAKELPARAM(4, 4)));
  EXPECT_EQ(firstShown, 0);
}

TEST_F(View, ScrollToTopPutsTheEntryOnTop) {
  std::vector<std::string> slots;
  for (int i = 0; i < 500; ++i) slots.push_back("03" + std::to_string(100 + i) + " slot");
  cat.ListBox2.Replace(slots);
  view.ScrollToTop(Control::ListBox2, 300);
  EXPECT_EQ(::SendMessageW(Of(Control::ListBox2), LB_GETTOPINDEX, 0, 0), 300);
  ::SetWindowTextW(Of(Control::SlotFilter), L"5");  // rows 0..49 and those with a 5 elsewhere
  view.ScrollToTop(Control::ListBox2, 300);
  wchar_t top[32] = {};
  const auto row = ::SendMessageW(Of(Control::ListBox2), LB_GETTOPINDEX, 0, 0);
  ::SendMessageW(Of(Control::ListBox2), LB_GETTEXT, row, reinterpret_cast<LPARAM>(top));
  EXPECT_EQ(std::wstring(top), L"03405 slot") << "the first shown entry from row 300 on";
}

// As little as it takes: a row in view stays where it is, one out of view comes to the edge.
TEST_F(View, KeepInViewScrollsAsLittleAsItTakes) {
  std::vector<std::string> slots;
  for (int i = 0; i < 500; ++i) slots.push_back("03" + std::to_string(100 + i) + " slot");
  cat.ListBox2.Replace(slots);
  const auto top = [&] { return static_cast<int>(::SendMessageW(Of(Control::ListBox2), LB_GETTOPINDEX, 0, 0)); };
  RECT client{};
  ::GetClientRect(Of(Control::ListBox2), &client);
  const int rows = client.bottom / static_cast<int>(::SendMessageW(Of(Control::ListBox2), LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(rows, 2);
  view.KeepInView(Control::ListBox2, 300);
  EXPECT_EQ(top(), 300 - rows + 1) << "at the bottom edge";
  view.KeepInView(Control::ListBox2, 299);
  EXPECT_EQ(top(), 300 - rows + 1) << "in view already";
  view.KeepInView(Control::ListBox2, 100);
  EXPECT_EQ(top(), 100) << "at the top edge";
  ::SetWindowTextW(Of(Control::SlotFilter), L"5");
  const int filtered = top();
  view.KeepInView(Control::ListBox2, 300);  // 03400 slot: the filter hides it
  EXPECT_EQ(top(), filtered);
}

TEST_F(View, ShowReadmeShowsItsLinesAndComesToTheFrontWhenAsked) {
  view.ShowReadme("Spitfire Mk IX\nInstall into 0309.\n", false);
  EXPECT_EQ(WindowText(window.Notes().Readme()), "Spitfire Mk IX\r\nInstall into 0309.\r\n");
  EXPECT_EQ(window.Notes().Shown(), NotesTabs::kJob);
  EXPECT_FALSE(::IsWindowVisible(window.Notes().Readme()));
  view.ShowReadme("Tank\n", true);
  EXPECT_EQ(::SendMessageW(Of(Control::Notes), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(::IsWindowVisible(window.Notes().Readme()));
  // The job's outcome line stays in sight, under the readme.
  EXPECT_TRUE(::IsWindowVisible(window.Notes().Outcome()));
  RECT readme{}, outcome{};
  ::GetWindowRect(window.Notes().Readme(), &readme);
  ::GetWindowRect(window.Notes().Outcome(), &outcome);
  EXPECT_LE(readme.bottom, outcome.top);
  EXPECT_GT(outcome.bottom, outcome.top);
  view.ShowReadme(std::nullopt, false);
  EXPECT_EQ(WindowText(window.Notes().Readme()), "The picked patch has no readme.");
}

TEST(WindowsLineEnds, OnlyBareLineFeedsGetACarriageReturn) {
  EXPECT_EQ(WithWindowsLineEnds("a\nb\r\nc\n\n"), "a\r\nb\r\nc\r\n\r\n");
  EXPECT_EQ(WithWindowsLineEnds("\nx"), "\r\nx");
  EXPECT_EQ(WithWindowsLineEnds(""), "");
}

// An entry cut at a list's edge shows whole in the list's tooltip, as in the Qt window; one
// that fits shows none.
TEST_F(View, AnEntryCutAtAListsEdgeShowsWholeInItsTooltip) {
  const std::string cut = "0305  Halberstadt D.2 of the Jasta Boelcke, flown in the spring of 1917";
  cat.ListBox2.Replace({"0301  Spad", cut});
  const HWND list = Of(Control::ListBox2);
  const auto hover = [&](int row) {
    RECT item{};
    ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    ::SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(item.left + 4, item.top + 2));
    return window.Tips().Of(list);
  };
  EXPECT_EQ(hover(1), cut);
  EXPECT_EQ(hover(0), "");
  EXPECT_EQ(hover(1), cut);
}

// The progress box tells what and how far, keeps the window from input while it is up, and
// hears its Cancel the next time it is told of progress.
TEST_F(View, TheProgressBoxShowsHowFarAndHearsItsCancel) {
  {
    ProgressBox progress(window.Handle());
    EXPECT_TRUE(progress.Show("Unpacking Huge ...", 250));
    EXPECT_EQ(WindowText(progress.Handle()), "Vantrel");
    EXPECT_EQ(::GetWindow(progress.Handle(), GW_OWNER), window.Handle());
    EXPECT_EQ(WindowText(::GetDlgItem(progress.Handle(), kProgressTextId)), "Unpacking Huge ...");
    EXPECT_EQ(::SendDlgItemMessageW(progress.Handle(), kProgressBarId, PBM_GETPOS, 0, 0), 250);
    EXPECT_FALSE(::IsWindowEnabled(window.Handle()));
    ::PostMessageW(progress.Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(progress.Show("Unpacking Huge ...", 500));
  }
  EXPECT_TRUE(::IsWindowEnabled(window.Handle()));
}

}  // namespace
}  // namespace vantrel::win32ui::testing
