#include "win32ui/input_boxes.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/win32_text.h"
#include "win32ui/dialog_template.h"
#include "win32ui/message_boxes.h"
#include "win32ui/window_text.h"

namespace vantrel::win32ui {

using platform::detail::Utf8;
using platform::detail::Wide;

namespace {

// In dialog units: the question over the answer, OK and Cancel under it on the right.
constexpr LONG kWidth = 280;
constexpr LONG kMargin = 7;
constexpr LONG kQuestionHeight = 8;  // one line: the box grows to the question's lines
constexpr LONG kListHeight = 64;
constexpr LONG kLineHeight = 14;
constexpr LONG kButtonWidth = 50;
constexpr LONG kButtonHeight = 14;

struct Asked {
  std::wstring question;
  std::vector<std::wstring> choices;  // none: a line is asked for
  std::wstring text;
  std::optional<std::size_t> picked;
  std::optional<std::string> typed;
};

DialogTemplate InputBox(bool list) {
  const LONG answerHeight = list ? kListHeight : kLineHeight;
  const LONG answerTop = kMargin + kQuestionHeight + 4;
  const LONG buttonsTop = answerTop + answerHeight + 7;
  DialogTemplate box(kBoxTitle, DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                     {kWidth, buttonsTop + kButtonHeight + kMargin});
  box.Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, {kMargin, kMargin, kWidth - kMargin, kMargin + kQuestionHeight},
          kQuestionId);
  const RECT answer{kMargin, answerTop, kWidth - kMargin, answerTop + answerHeight};
  if (list) {
    box.Add(L"LISTBOX", L"", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, answer, kAnswerId);
  } else {
    box.Add(L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, answer, kAnswerId);
  }
  const LONG cancelLeft = kWidth - kMargin - kButtonWidth;
  const LONG okLeft = cancelLeft - 4 - kButtonWidth;
  box.Add(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP,
          {okLeft, buttonsTop, okLeft + kButtonWidth, buttonsTop + kButtonHeight}, IDOK);
  box.Add(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP,
          {cancelLeft, buttonsTop, cancelLeft + kButtonWidth, buttonsTop + kButtonHeight}, IDCANCEL);
  return box;
}

void MoveDown(HWND control, int by) {
  RECT place{};
  ::GetWindowRect(control, &place);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  ::SetWindowPos(control, nullptr, place.left, place.top + by, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The question keeps to its lines, however many: the box grows by what they need beyond one.
void FitQuestion(HWND box) {
  const HWND question = ::GetDlgItem(box, kQuestionId);
  RECT place{};
  ::GetWindowRect(question, &place);
  const std::wstring text = Wide(WindowText(question));
  const HDC dc = ::GetDC(question);
  const HGDIOBJ earlier = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(question, WM_GETFONT, 0, 0)));
  RECT needed{0, 0, place.right - place.left, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  ::SelectObject(dc, earlier);
  ::ReleaseDC(question, dc);
  const int more = std::max(0, static_cast<int>(needed.bottom) - static_cast<int>(place.bottom - place.top));
  if (more == 0) return;
  ::SetWindowPos(question, nullptr, 0, 0, place.right - place.left, needed.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (const int id : {static_cast<int>(kAnswerId), IDOK, IDCANCEL}) MoveDown(::GetDlgItem(box, id), more);
  RECT outer{};
  ::GetWindowRect(box, &outer);
  ::SetWindowPos(box, nullptr, outer.left, outer.top - more / 2, outer.right - outer.left,
                 outer.bottom - outer.top + more, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Start(HWND box, const Asked& asked) {
  ::SetDlgItemTextW(box, kQuestionId, asked.question.c_str());
  FitQuestion(box);
  const HWND answer = ::GetDlgItem(box, kAnswerId);
  if (asked.choices.empty()) {
    ::SetWindowTextW(answer, asked.text.c_str());
    ::SendMessageW(answer, EM_SETSEL, 0, -1);
  } else {
    for (const std::wstring& choice : asked.choices) {
      ::SendMessageW(answer, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    }
    ::SendMessageW(answer, LB_SETCURSEL, 0, 0);
  }
  ::SetFocus(answer);
}

// What is picked or typed when OK is pressed.
void Take(HWND box, Asked& asked) {
  const HWND answer = ::GetDlgItem(box, kAnswerId);
  if (!asked.choices.empty()) {
    const auto row = ::SendMessageW(answer, LB_GETCURSEL, 0, 0);
    if (row != LB_ERR) asked.picked = static_cast<std::size_t>(row);
    return;
  }
  asked.typed = WindowText(answer);
}

INT_PTR CALLBACK Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* asked = reinterpret_cast<Asked*>(::GetWindowLongPtrW(box, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      ::SetWindowLongPtrW(box, DWLP_USER, lParam);
      Start(box, *reinterpret_cast<Asked*>(lParam));
      return FALSE;  // the focus is set
    case WM_COMMAND:
      // A double click on a choice picks it, as OK does.
      if (LOWORD(wParam) == IDOK || (LOWORD(wParam) == kAnswerId && HIWORD(wParam) == LBN_DBLCLK)) {
        Take(box, *asked);
        ::EndDialog(box, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(box, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void Run(HWND owner, Asked& asked) {
  const DialogTemplate box = InputBox(!asked.choices.empty());
  const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner, GWLP_HINSTANCE));
  if (::DialogBoxIndirectParamW(instance, box.Get(), owner, Procedure, reinterpret_cast<LPARAM>(&asked)) == -1) {
    throw Error("The window's question cannot be shown.");
  }
}

}  // namespace

std::optional<std::size_t> AskChoice(HWND owner, const std::string& question, const std::vector<std::string>& choices) {
  Asked asked{Wide(WithWindowsLineEnds(question)), {}, {}, {}, {}};
  for (const std::string& choice : choices) asked.choices.push_back(Wide(choice));
  if (asked.choices.empty()) return std::nullopt;
  Run(owner, asked);
  return asked.picked;
}

std::optional<std::string> AskLine(HWND owner, const std::string& question, const std::string& text) {
  Asked asked{Wide(WithWindowsLineEnds(question)), {}, Wide(text), {}, {}};
  Run(owner, asked);
  return asked.typed;
}

}  // namespace vantrel::win32ui
