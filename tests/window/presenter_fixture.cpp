#include "presenter_fixture.h"

#include <algorithm>

#include "job_history_files.h"
#include "platform/folder_lock.h"
#include "rbext/run_shell.h"
#include "samplegame/sample_game.h"
#include "window/list_controls.h"

namespace vantrel::testing {

namespace {

// The presenter only chooses the picture file; the view decodes it. So the previews need not
// be JPEG files here, and the tests build where libjpeg is missing.
void WriteStandInPicture(const std::filesystem::path& file, const samplegame::PictureSpec& look) {
  WriteFileBytes(file, "stand-in picture " + std::to_string(look.width) + "x" + std::to_string(look.height) + "\n");
}

}  // namespace

PresenterTest::PresenterTest() {
  samplegame::LaySampleGame(Game().string(), WriteStandInPicture);
  session_.shellProgram = JobShellProgram();  // as the windows set it at start
  std::filesystem::current_path(Work());
  jobs_.ended = [this] { presenter_->JobEnded(); };
  view_.closeAsked = [this] { return presenter_->CloseAsked(); };
}

void PresenterTest::SetUp() {
  presenter_ = std::make_unique<FormPresenter>(session_, view_, jobs_);
  presenter_->Activated();
}

void PresenterTest::Reopen() {
  presenter_.reset();
  SetUp();
}

void PresenterTest::Pick(Control list, std::string_view text) {
  EntryList& entries = EntryListOf(session_.cat, list);
  const std::optional<int> row = entries.FindIgnoringCase(text);
  ASSERT_TRUE(row) << "no entry " << text;
  entries.Select(*row);
  presenter_->Picked(list);
}

std::string PresenterTest::SlotLine(std::string_view code) const {
  for (const std::string& line : session_.cat.ListBox2.Items()) {
    if (line.starts_with(std::string(code) + " ")) return line;
  }
  return "";
}

std::vector<std::string> PresenterTest::Scripts() const {
  std::vector<std::string> scripts;
  for (const auto& entry : std::filesystem::directory_iterator(Work())) {
    if (entry.path().extension() == ".bat") scripts.push_back(entry.path().filename().string());
  }
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

std::map<std::string, std::string> PresenterTest::GameFiles() const {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(Game())) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || name == kScanListFile || name == platform::kFolderLockFile) continue;
    if (IsJobHistoryRecord(entry.path())) continue;
    files[std::filesystem::relative(entry.path(), Game()).generic_string()] = ReadFileBytes(entry.path());
  }
  return files;
}

std::map<std::string, std::string> PresenterTest::CheckedMarks() {
  const int before = view_.markings;
  while (view_.markings == before) {
    if (!view_.RunPosted()) {
      ADD_FAILURE() << "no check ended";
      break;
    }
  }
  return view_.marks[Control::ListBox3];
}

}  // namespace vantrel::testing
