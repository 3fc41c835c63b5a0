// The Win32 window with the presenter behind it, on the sample game: the wiring of what the
// presenter asks of the view. The archive command through Windows' file dialog and a dropped
// archive through the window's own questions, answered by a second thread as a user would;
// the Job log button and the window's viewer. What is asked and when is tested with the
// presenter (tests/window).
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "archive_maker.h"
#include "platform/win32_text.h"
#include "samplegame/sample_game.h"
#include "temp_dir.h"
#include "win32ui/input_boxes.h"
#include "win32ui/win32_job_runner.h"
#include "window/form_presenter.h"
#include "window_fixture.h"
#include "win32ui/window_text.h"

namespace vantrel::win32ui::testing {
namespace {

namespace fs = std::filesystem;
using vantrel::testing::Entry;
using vantrel::testing::TempDir;

// cmb13, the file name box of Windows' open-file dialog, and edt1, where an older one has it.
constexpr int kFileNameBox = 0x47c;
constexpr int kFileNameLine = 0x480;
constexpr int kFileTypeBox = 0x470;  // cmb1

// Answers the window's dialogs from a second thread, in the order given: each answer waits
// for a visible dialog of the test's thread with its title, once the one answered before is
// gone, and is handed the dialog.
class DialogAnswerer {
 public:
  struct Answer {
    std::string title;
    std::function<void(HWND)> answer;
  };

  explicit DialogAnswerer(std::vector<Answer> answers)
      : answers_(std::move(answers)), thread_([this, owner = ::GetCurrentThreadId()] { Run(owner); }) {}
  ~DialogAnswerer() { Join(); }

  // How many were answered, once the thread has given up waiting for the rest.
  int Answered() {
    Join();
    return answered_;
  }

 private:
  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  void Run(DWORD owner) {
    HWND answeredLast = nullptr;
    for (const Answer& answer : answers_) {
      HWND dialog = nullptr;
      // Wine's file dialog has been seen to take over 20 s to come up while other programs start.
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
      while (!dialog && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        if (answeredLast && ::IsWindow(answeredLast) && ::IsWindowVisible(answeredLast)) continue;
        dialog = Find(owner, answer.title);
      }
      if (!dialog) return;
      answer.answer(dialog);
      answeredLast = dialog;
      ++answered_;
    }
  }
  static HWND Find(DWORD owner, const std::string& title) {
    struct Looked {
      const std::string& title;
      HWND found;
    } looked{title, nullptr};
    ::EnumThreadWindows(
        owner,
        [](HWND window, LPARAM result) -> BOOL {
          auto& looked = *reinterpret_cast<Looked*>(result);
          if (ClassOf(window) != L"#32770" || !::IsWindowVisible(window) || WindowText(window) != looked.title) return TRUE;
          looked.found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&looked));
    return looked.found;
  }

  std::vector<Answer> answers_;
  std::atomic<int> answered_{0};
  std::thread thread_;
};

void Press(HWND dialog, int button) { ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

// The presenter only chooses the picture file; the view's loader here decodes none.
void WriteStandInPicture(const fs::path& file, const samplegame::PictureSpec&) {
  std::ofstream(file, std::ios::binary) << "stand-in picture";
}

class PresentedWindow : public ::testing::Test {
 protected:
  PresentedWindow()
      : window_(::GetModuleHandleW(nullptr), session_.cat),
        view_(window_, [](const std::string&) { return GradientPicture(4, 4); },
              [this](const std::string& file) {
                opened_.push_back(file);
                return false;  // as where the system has no program for logs
              }),
        jobs_({[this](const std::string& text) { messages_.push_back(text); },
               [this](const std::string& line) { window_.ShowJobOutcome(line); }, [this] { window_.JobEnded(); }}) {
    samplegame::LaySampleGame(Game().string(), WriteStandInPicture);
    fs::current_path(Work());
    presenter_ = std::make_unique<FormPresenter>(session_, view_, jobs_);
    events_ = std::make_unique<EventsTo<FormPresenter>>(*presenter_);
    window_.SetMessageHook([this](const std::string& text) { messages_.push_back(text); });
    window_.Forward(*events_);
    window_.Show(SW_SHOWNORMAL);
    Pump();  // the first activation loads the lists
  }
  fs::path Game() const { return temp_.path() / "game"; }
  fs::path Work() const { return Game() / "Simpatch"; }
  // downloads/NAME.zip beside the game, holding `entries`.
  std::string Download(const std::string& name, const std::vector<Entry>& entries) const {
    const fs::path file = temp_.path() / "downloads" / (name + ".zip");
    fs::create_directories(file.parent_path());
    vantrel::testing::MakeArchive(file, vantrel::testing::Format::Zip, entries);
    return file.string();
  }
  void Pump() { testing::Pump(window_); }
  void Click(Control button) {
    ::SendMessageW(window_.ControlWindow(button), BM_CLICK, 0, 0);
    Pump();
  }
  // The entry Available patches shows picked, "" for none.
  std::string PickedPatch() const {
    const HWND list = window_.ControlWindow(Control::ListBox1);
    const auto row = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) return "";
    std::wstring text(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
    return platform::detail::Utf8(text);
  }
  std::string Outcome() { return WindowText(window_.Notes().Outcome()); }

  TempDir temp_;
  Session session_;
  MainWindow window_;
  std::vector<std::string> opened_;
  Win32FormView view_;
  Win32JobRunner jobs_;
  std::unique_ptr<FormPresenter> presenter_;
  std::unique_ptr<EventsTo<FormPresenter>> events_;
  std::vector<std::string> messages_;
};

// The button brings up Windows' open-file dialog, titled and filtered as the Qt window's;
// the archive chosen there is added and its patch picked.
TEST_F(PresentedWindow, TheArchiveCommandAddsTheArchiveChosenInTheFileDialog) {
  const std::string zip = Download("big-gun-v2", {{"Big Gun/06209000.dml", "shape"}, {"Big Gun/0620tex1.bmp", "texture"}});
  std::string firstFilter;
  DialogAnswerer answerer({{"Add patch from archive", [&](HWND dialog) {
                              const HWND types = ::GetDlgItem(dialog, kFileTypeBox);
                              std::wstring type(256, L'\0');
                              type.resize(static_cast<std::size_t>(
                                  ::SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type.data()))));
                              firstFilter = platform::detail::Utf8(type);
                              HWND name = ::GetDlgItem(dialog, kFileNameBox);
                              if (!name) name = ::GetDlgItem(dialog, kFileNameLine);
                              ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(platform::detail::Wide(zip).c_str()));
                              Press(dialog, IDOK);
                            }}});
  Click(Control::AddArchive);
  ASSERT_EQ(answerer.Answered(), 1);
  EXPECT_EQ(firstFilter, "Archives (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tar.xz)");
  EXPECT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(temp_.read("game/Simpatch/Big Gun/0620tex1.bmp"), "texture");
  EXPECT_EQ(PickedPatch(), "0620 Big Gun");
  EXPECT_EQ(Outcome(), "Big Gun (0620) is added from big-gun-v2.zip.");
  EXPECT_TRUE(fs::equivalent(fs::current_path(), Work())) << "the dialog left the working folder current";
}

// A file dropped on the window is an archive to add: the window's own boxes ask which patch
// and another name for a taken one.
TEST_F(PresentedWindow, ADroppedArchiveIsAddedThroughTheWindowsQuestions) {
  const std::string zip =
      Download("tanks", {{"pack/Big Tank/060E9000.dml", "new tank"}, {"pack/Small Tank/06109000.dml", "small"}});
  std::vector<std::string> asked;
  std::vector<std::string> offered;
  DialogAnswerer answerer({{"Vantrel",
                            [&](HWND box) {
                              asked.push_back(WindowText(::GetDlgItem(box, kQuestionId)));
                              const HWND list = ::GetDlgItem(box, kAnswerId);
                              for (LRESULT row = 0; row < ::SendMessageW(list, LB_GETCOUNT, 0, 0); ++row) {
                                std::wstring text(64, L'\0');
                                text.resize(static_cast<std::size_t>(
                                    ::SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
                                offered.push_back(platform::detail::Utf8(text));
                              }
                              ::SendMessageW(list, LB_SETCURSEL, 0, 0);
                              Press(box, IDOK);
                            }},
                           {"Vantrel", [&](HWND box) {
                              asked.push_back(WindowText(::GetDlgItem(box, kQuestionId)));
                              asked.push_back(WindowText(::GetDlgItem(box, kAnswerId)));
                              ::SetDlgItemTextW(box, kAnswerId, L"Big Tank 2");
                              Press(box, IDOK);
                            }}});
  // A drop as Explorer hands it over: the files' full paths after a DROPFILES header.
  const std::wstring files = platform::detail::Wide(zip) + L'\0' + L'\0';
  const HGLOBAL drop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + files.size() * sizeof(wchar_t));
  ASSERT_NE(drop, nullptr);
  auto* header = static_cast<DROPFILES*>(::GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::copy(files.begin(), files.end(), reinterpret_cast<wchar_t*>(header + 1));
  ::GlobalUnlock(drop);
  ::SendMessageW(window_.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);  // the window frees it
  Pump();
  ASSERT_EQ(answerer.Answered(), 2);
  EXPECT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(asked, (std::vector<std::string>{
                       "tanks.zip holds 2 patches. Add which?",
                       "There is already a file or folder named Big Tank in the working folder.\r\nAdd the patch as:",
                       "Big Tank"}));
  EXPECT_EQ(offered, (std::vector<std::string>{"060E Big Tank   (pack/Big Tank)", "0610 Small Tank   (pack/Small Tank)"}));
  EXPECT_EQ(temp_.read("game/Simpatch/Big Tank 2/060E9000.dml"), "new tank");
  EXPECT_EQ(PickedPatch(), "060E Big Tank 2");
}

// Where the system has no program for logs, the button shows the log in the window's own
// viewer: first that none is logged yet, then the log, with the line ends an edit control shows.
TEST_F(PresentedWindow, TheJobLogButtonOpensTheWindowsViewer) {
  Click(Control::JobLog);
  ASSERT_NE(view_.Viewer(), nullptr);
  const HWND viewer = view_.Viewer()->Handle();
  EXPECT_TRUE(::IsWindowVisible(viewer));
  EXPECT_EQ(::GetWindow(viewer, GW_OWNER), window_.Handle());
  EXPECT_EQ(WindowText(viewer), "Vantrel: job log");
  EXPECT_EQ(WindowText(::GetDlgItem(viewer, kLogTextId)), "No job has been logged in this working folder yet.");
  EXPECT_TRUE(opened_.empty());

  ::SendMessageW(viewer, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(::IsWindowVisible(viewer)) << "Close hides it";
  temp_.write("game/Simpatch/vantrel-files/vantrel-jobs.log", "0612.bat\r\n--- outcome\r\nBig Tank is active\r\n");
  Click(Control::JobLog);
  EXPECT_EQ(opened_, std::vector<std::string>{"vantrel-files\\vantrel-jobs.log"}) << "the system's program first";
  EXPECT_EQ(view_.Viewer()->Handle(), viewer) << "one viewer, shown again";
  EXPECT_TRUE(::IsWindowVisible(viewer));
  EXPECT_EQ(WindowText(::GetDlgItem(viewer, kLogTextId)), "0612.bat\r\n--- outcome\r\nBig Tank is active\r\n");
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

}  // namespace
}  // namespace vantrel::win32ui::testing
