#include "fake_view.h"

#include <gtest/gtest.h>

#include <chrono>

#include "engine/job_outcome.h"
#include "platform/errors.h"
#include "platform/process.h"
#include "window/job_failure.h"

namespace vantrel::testing {

RecordingView::RecordingView() {
  for (const ControlSpec& entry : FormLayout()) {
    texts[entry.id].push_back(std::string(entry.caption));
    enabled[entry.id] = true;
    checked[entry.id] = false;
    shown[entry.id] = true;
    hints[entry.id] = std::string(entry.hint);
  }
  texts[Control::path] = {std::string(kFolderBoxText)};
  title = kWindowTitle;
}

void RecordingView::ShowPicture(const std::optional<std::string>& file) {
  if (file && undecodable.contains(*file)) throw Error("Not a JPEG file: " + *file);
  pictures.push_back(file);
}

void RecordingView::ShowReadme(const std::optional<std::string>& text, bool toFront) {
  readme = text;
  readmeToFront.push_back(toFront);
}

void RecordingView::RunOnWindowThread(std::function<void()> task) {
  {
    std::lock_guard lock(postedLock_);
    posted_.push_back(std::move(task));
  }
  postedCame_.notify_all();
}

bool RecordingView::RunPosted(std::chrono::milliseconds wait) {
  std::vector<std::function<void()>> tasks;
  {
    std::unique_lock lock(postedLock_);
    if (!postedCame_.wait_for(lock, wait, [this] { return !posted_.empty(); })) return false;
    tasks.swap(posted_);
  }
  for (const auto& task : tasks) task();
  return true;
}

bool RecordingView::Ask(const std::string& question, const std::string& details) {
  questions.push_back(question);
  questionDetails.push_back(details);
  return answer;
}

FormView::Reply RecordingView::AskOrCancel(const std::string& question) {
  questions.push_back(question);
  if (whileAsking) whileAsking();
  return reply;
}

std::optional<std::string> RecordingView::ChooseSetFile(bool toSave) {
  setFileDialogs.push_back(toSave);
  return setFileChosen;
}

std::optional<std::string> RecordingView::ChooseArchive() {
  ++archiveDialogs;
  return archiveChosen;
}

namespace {

template <typename Answer>
std::optional<Answer> NextAnswer(std::deque<std::optional<Answer>>& answers, const std::string& question) {
  if (answers.empty()) {
    ADD_FAILURE() << "an unexpected question: " << question;
    return std::nullopt;
  }
  std::optional<Answer> answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

std::optional<std::size_t> RecordingView::Choose(const std::string& question, const std::vector<std::string>& choices) {
  questions.push_back(question);
  choicesOffered.push_back(choices);
  return NextAnswer(choiceAnswers, question);
}

std::optional<std::string> RecordingView::AskText(const std::string& question, const std::string& text) {
  questions.push_back(question);
  textsOffered.push_back(text);
  return NextAnswer(textAnswers, question);
}

bool RecordingView::ShowProgress(const std::string& what, int thousandths) {
  progressUp = true;
  progress.emplace_back(what, thousandths);
  return !cancelProgressAt || thousandths < *cancelProgressAt;
}

bool RecordingView::OpenInSystemProgram(const std::string& file) {
  systemOpened.push_back(file);
  return systemHasProgram;
}

void RecordingView::Close() {
  if (closeAsked && closeAsked()) ++closed;
}

void FakeJobs::Start(const std::string& program, const JobPlan& plan, const std::string& success) {
  started.push_back({program, plan, success});
  if (shellMissing) {
    outcomes.push_back(CheckJobOutcome(plan, false));
    if (ended) ended();
    return;
  }
  busy_ = true;
}

void FakeJobs::WhenIdle(std::function<void()> request) {
  if (!busy_) return request();
  waiting_.push_back(std::move(request));
}

void FakeJobs::End() {
  // The job runs now, in the job shell, and its outcome is checked as the windows' runners do.
  const StartedJob& job = started.back();
  outcomes.push_back(CheckJobOutcome(job.plan, platform::RunProgramAndWait(job.program, {"/C", job.plan.script},
                                                                         platform::ConsoleOutput::ToErrorStream) == 0));
  failure_.reset();
  if (!outcomes.back().Complete()) failure_ = JobFailureMessage(job.plan, outcomes.back());
  busy_ = false;
  if (ended) ended();
  while (!busy_ && !waiting_.empty()) {
    std::function<void()> request = std::move(waiting_.front());
    waiting_.pop_front();
    request();
  }
}

}  // namespace vantrel::testing
