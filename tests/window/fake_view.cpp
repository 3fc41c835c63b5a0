#include "fake_view.h"

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

bool RecordingView::Ask(const std::string& question) {
  questions.push_back(question);
  return answer;
}

FormView::Reply RecordingView::AskOrCancel(const std::string& question) {
  questions.push_back(question);
  if (whileAsking) whileAsking();
  return reply;
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
