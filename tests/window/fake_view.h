#pragma once
// A view and a job runner that record what the presenter asks of them, for the presenter's
// tests. The view starts as the layout table has it; the runner runs no job, it only keeps one
// "running" until the test ends it.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/job_outcome.h"
#include "window/form_view.h"
#include "window/job_runner.h"

namespace vantrel::testing {

class RecordingView : public FormView {
 public:
  RecordingView();

  void SetTitle(const std::string& text) override { title = text; }
  void SetText(Control control, const std::string& text) override { texts[control].push_back(text); }
  std::string Text(Control control) const override {
    const auto found = texts.find(control);
    return found == texts.end() || found->second.empty() ? std::string() : found->second.back();
  }
  void SetEnabled(Control control, bool on) override { enabled[control] = on; }
  void SetChecked(Control control, bool on) override { checked[control] = on; }
  void SetHint(Control control, const std::string& hint) override { hints[control] = hint; }
  void SetShown(Control control, bool on) override { shown[control] = on; }
  void ShowFromStart(Control line) override { fromStart.push_back(line); }
  void ScrollToTop(Control list, std::size_t row) override { scrolls.emplace_back(list, row); }
  void KeepInView(Control list, std::size_t row) override { keptInView.emplace_back(list, row); }
  // Raises as the real views do for a file in `undecodable`.
  void ShowPicture(const std::optional<std::string>& file) override;
  void ShowReadme(const std::optional<std::string>& text, bool toFront) override;
  bool Ask(const std::string& question, const std::string& details) override;
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  Reply AskOrCancel(const std::string& question) override;
  std::optional<std::string> ChooseArchive() override;
  std::optional<std::string> ChooseSetFile(bool toSave) override;
  // Records the question and the choices, and answers the next of `choiceAnswers`.
  std::optional<std::size_t> Choose(const std::string& question, const std::vector<std::string>& choices) override;
  // Records the question and the text offered, and answers the next of `textAnswers`.
  std::optional<std::string> AskText(const std::string& question, const std::string& text) override;
  bool ShowProgress(const std::string& what, int thousandths) override;
  void EndProgress() override { progressUp = false; }
  bool OpenInSystemProgram(const std::string& file) override;
  void ShowLog(const std::string& text) override { logsShown.push_back(text); }
  void Hide() override { hidden = true; }
  // A view's close asks the presenter, as the window's close event does.
  void Close() override;
  void MarkEntries(Control list, const std::map<std::string, std::string>& reasons) override {
    marks[list] = reasons;
    ++markings;
  }
  // Kept until RunPosted: the window's thread is the test's.
  void RunOnWindowThread(std::function<void()> task) override;
  // Waits up to `wait` for a task from another thread and runs those that came; false when
  // none came.
  bool RunPosted(std::chrono::milliseconds wait = std::chrono::minutes(1));

  // The folder box's text as the user leaves it.
  void Type(Control control, const std::string& text) { texts[control].push_back(text); }

  std::string title;
  std::map<Control, std::vector<std::string>> texts;  // each text set, the last one shown
  std::map<Control, bool> enabled, checked, shown;
  std::map<Control, std::string> hints;
  std::vector<Control> fromStart;
  std::vector<std::pair<Control, std::size_t>> scrolls, keptInView;
  std::vector<std::optional<std::string>> pictures;  // each picture shown, none for cleared
  std::set<std::string> undecodable;
  std::optional<std::string> readme;
  std::vector<bool> readmeToFront;
  std::vector<std::string> questions;
  std::vector<std::string> questionDetails;  // what each Ask showed under "Details"
  bool answer = true;
  std::vector<std::string> messages;
  Reply reply = Reply::Cancel;
  std::function<void()> whileAsking;  // what happens while a Yes/No/Cancel box is up
  // Adding from archives: the archive the dialog gives (none: cancelled), the answers to the
  // questions in turn (none: cancelled; a question beyond them fails the test and cancels).
  std::optional<std::string> archiveChosen;
  // A patch set's file dialog: the file it gives (none: cancelled); whether each was to save.
  std::optional<std::string> setFileChosen;
  std::vector<bool> setFileDialogs;
  int archiveDialogs = 0;
  std::deque<std::optional<std::size_t>> choiceAnswers;
  std::deque<std::optional<std::string>> textAnswers;
  std::vector<std::vector<std::string>> choicesOffered;
  std::vector<std::string> textsOffered;
  // Each progress told, while the box is up; the user cancels once it has come this far.
  std::vector<std::pair<std::string, int>> progress;
  bool progressUp = false;
  std::optional<int> cancelProgressAt;
  // The job log: each file handed to the system's program, whether it has one, the viewer's texts.
  std::vector<std::string> systemOpened;
  bool systemHasProgram = true;
  std::vector<std::string> logsShown;
  bool hidden = false;
  std::function<bool()> closeAsked;  // the presenter's CloseAsked, once there is one
  int closed = 0;                    // closes the presenter let through
  std::map<Control, std::map<std::string, std::string>> marks;  // the entries marked last, with why
  int markings = 0;

 private:
  std::mutex postedLock_;
  std::condition_variable postedCame_;
  std::vector<std::function<void()>> posted_;
};

struct StartedJob {
  std::string program;
  JobPlan plan;
  std::string success;
};

class FakeJobs : public JobRunner {
 public:
  bool Busy() const override { return busy_; }
  bool HandsOverFolderLock() const override { return handsOverLock; }
  void Start(const std::string& program, const JobPlan& plan, const std::string& success) override;
  void WhenIdle(std::function<void()> request) override;
  void ShowOutcome(const std::string& line) override { shownLines.push_back(line); }
  void ShowNotes() override { ++notesShown; }
  void GoOnUnattended() override { unattended = true; }
  std::optional<std::string> LastFailure() const override { return failure_; }

  // The running job runs to its end in the job shell and its outcome is checked; `ended` is
  // told (the view's call of the presenter's JobEnded), then the requests put off run in
  // turn until one starts a job again.
  void End();

  std::vector<StartedJob> started;
  std::vector<JobOutcome> outcomes;
  std::vector<std::string> shownLines;  // what the presenter put in the outcome line
  int notesShown = 0;
  bool unattended = false;
  bool handsOverLock = true;  // false: as a shell in a terminal window, which takes the lock itself
  bool shellMissing = false;  // as a runner whose shell cannot start: the job ends at once, told
  std::function<void()> ended;

 private:
  bool busy_ = false;
  std::optional<std::string> failure_;
  std::deque<std::function<void()>> waiting_;
};

}  // namespace vantrel::testing
