#include "win32ui/notes_tabs.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/errors.h"
#include "platform/win32_text.h"
#include "win32ui/window_text.h"

namespace vantrel::win32ui {

using platform::detail::Wide;

namespace {

HWND MakePage(HWND tabs, const wchar_t* className, DWORD style, DWORD exStyle) {
  const HWND page = ::CreateWindowExW(exStyle, className, L"", WS_CHILD | style, 0, 0, 0, 0, tabs, nullptr,
                                      reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(tabs, GWLP_HINSTANCE)), nullptr);
  if (!page) throw Error("The window's notes cannot be made.");
  return page;
}

void AddTab(HWND tabs, int at, const wchar_t* caption) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(caption);
  ::SendMessageW(tabs, TCM_INSERTITEMW, at, reinterpret_cast<LPARAM>(&item));
}

// The height of `lines` lines of the text `window` shows, in its font.
int LinesHigh(HWND window, int lines) {
  const HDC dc = ::GetDC(window);
  const auto font = reinterpret_cast<HGDIOBJ>(::SendMessageW(window, WM_GETFONT, 0, 0));
  const HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(window, dc);
  return lines * (metrics.tmHeight + metrics.tmExternalLeading);
}

// A read-only text takes no Tab key, so that Tab goes on to the next control.
LRESULT CALLBACK TabGoesOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
  return message == WM_GETDLGCODE ? result & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS) : result;
}

}  // namespace

NotesTabs::NotesTabs(HWND tabs)
    : tabs_(tabs),
      outcome_(MakePage(tabs, WC_STATICW, SS_LEFT | SS_NOPREFIX, 0)),
      readme_(MakePage(tabs, WC_EDITW, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                   WS_EX_CLIENTEDGE)) {
  AddTab(tabs_, kJob, L"Job");
  AddTab(tabs_, kReadme, L"Readme");
  ::SetWindowSubclass(readme_, TabGoesOn, 1, 0);
  ShowJobOutcome("Jobs run in a console window of their own; their outcome shows here.");
  ShowPage();
}

NotesTabs::Page NotesTabs::Shown() const {
  return ::SendMessageW(tabs_, TCM_GETCURSEL, 0, 0) == kReadme ? kReadme : kJob;
}

HWND NotesTabs::FocusPage() const {
  return Shown() == kReadme && ::IsWindowVisible(readme_) && ::IsWindowEnabled(readme_) ? readme_ : nullptr;
}

void NotesTabs::ShowReadme(const std::optional<std::string>& text, bool toFront) {
  ::SetWindowTextW(readme_, Wide(WithWindowsLineEnds(text.value_or("The picked patch has no readme."))).c_str());
  if (toFront) Select(kReadme);
}

void NotesTabs::ShowJobOutcome(const std::string& line) { ::SetWindowTextW(outcome_, Wide(line).c_str()); }

// TCM_SETCURSEL sends no TCN_SELCHANGE: the page is shown here.
void NotesTabs::Select(Page page) {
  ::SendMessageW(tabs_, TCM_SETCURSEL, page, 0);
  ShowPage();
}

// The job's outcome line stays in sight on either page: the job's page is all of it, and under
// the readme it keeps a strip of two lines, so that a failure told there cannot go unseen.
void NotesTabs::ShowPage() {
  RECT inside{};
  ::GetClientRect(tabs_, &inside);
  ::SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&inside));
  const bool readme = Shown() == kReadme;
  RECT outcome = inside;
  if (readme) outcome.top = std::max(inside.top, inside.bottom - LinesHigh(outcome_, 2));
  const auto place = [](HWND window, const RECT& box, UINT show) {
    ::SetWindowPos(window, HWND_TOP, box.left, box.top, box.right - box.left, box.bottom - box.top,
                   SWP_NOACTIVATE | show);
  };
  place(outcome_, outcome, SWP_SHOWWINDOW);
  place(readme_, RECT{inside.left, inside.top, inside.right, outcome.top}, readme ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
}

void NotesTabs::SetFont(HFONT font) {
  for (const HWND window : {tabs_, outcome_, readme_}) {
    ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  ShowPage();
}

}  // namespace vantrel::win32ui
