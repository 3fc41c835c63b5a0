// The view's boxes: titled "Vantrel", owned by the window, with the text asked for; the
// questions' default buttons change nothing. A second thread finds each box, reads it and answers it.
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "window_fixture.h"
#include "win32ui/message_boxes.h"
#include "win32ui/window_text.h"

namespace vantrel::win32ui::testing {
namespace {

struct SeenBox {
  std::string text;
  HWND owner = nullptr;
  // The one Return presses. (Where the focus is depends on which test's window is in front
  // when ctest runs several: not checked.)
  int defaultButton = 0;
  bool found = false;
};

// The box of the test's own thread titled "Vantrel": ctest runs other tests' boxes beside it.
HWND BoxOf(DWORD thread) {
  HWND found = nullptr;
  ::EnumThreadWindows(
      thread,
      [](HWND window, LPARAM result) -> BOOL {
        const bool box = ClassOf(window) == L"#32770" && WindowText(window) == "Vantrel";
        if (!box || !::IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Waits for the box, reads it, then presses `answer`.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(int answer)
      : thread_([this, answer, owner = ::GetCurrentThreadId()] {
          for (int tries = 0; tries < 400 && !seen_.found; ++tries) {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
            const HWND box = BoxOf(owner);
            if (!box) continue;
            seen_.found = true;
            seen_.owner = ::GetWindow(box, GW_OWNER);
            seen_.text = WindowText(::GetDlgItem(box, 0xffff));  // a message box's text
            for (const int button : {IDOK, IDYES, IDNO, IDCANCEL}) {
              const HWND control = ::GetDlgItem(box, button);
              if (control && (::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                seen_.defaultButton = button;
              }
            }
            ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
          }
        }) {}
  SeenBox Seen() {
    thread_.join();
    return seen_;
  }

 private:
  SeenBox seen_;
  std::thread thread_;
};

using Boxes = WindowTest;

TEST_F(Boxes, ShowMessageShowsTheTextInABoxTitledVantrel) {
  window.SetMessageHook([this](const std::string& text) { ShowMessageBox(window.Handle(), text); });
  BoxAnswerer answerer(IDOK);
  view.ShowMessage("File not found \u00bbfmparam3.dat\u00ab");
  const SeenBox seen = answerer.Seen();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.text, "File not found \u00bbfmparam3.dat\u00ab");
  EXPECT_EQ(seen.owner, window.Handle()) << "the window waits for its box";
}

// Each question says the button pressed; Return alone gives the answer that changes nothing.
TEST_F(Boxes, AQuestionTellsTheButtonPressedAndDefaultsToTheOneThatChangesNothing) {
  using Reply = FormView::Reply;
  const std::function<Reply(const std::string&)> yesNo = [this](const std::string& question) {
    return view.Ask(question, "") ? Reply::Yes : Reply::No;
  };
  const std::function<Reply(const std::string&)> orCancel = [this](const std::string& question) {
    return view.AskOrCancel(question);
  };
  const struct {
    const std::function<Reply(const std::string&)>& ask;
    int press;
    Reply said;
    int defaultButton;
  } kCases[] = {{yesNo, IDYES, Reply::Yes, IDNO},
                {yesNo, IDNO, Reply::No, IDNO},
                {orCancel, IDYES, Reply::Yes, IDCANCEL},
                {orCancel, IDNO, Reply::No, IDCANCEL},
                {orCancel, IDCANCEL, Reply::Cancel, IDCANCEL}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.press);
    BoxAnswerer answerer(c.press);
    const Reply reply = c.ask("Install over the active patch 0309?");
    const SeenBox seen = answerer.Seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, "Install over the active patch 0309?");
    EXPECT_EQ(seen.defaultButton, c.defaultButton);
    EXPECT_EQ(reply, c.said);
  }
}

TEST_F(Boxes, ErrorsOfTheWindowsOwnWorkGoToTheViewsMessages) {
  view.ShowMessage("Disk full");
  EXPECT_EQ(messages, std::vector<std::string>{"Disk full"});
}

}  // namespace
}  // namespace vantrel::win32ui::testing
