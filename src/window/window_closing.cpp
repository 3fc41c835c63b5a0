// The presenter's answer to the window's close while a job runs. Killed between its first and
// last change, a job would leave a slot emptied and its script behind, unlogged.
#include "window/form_presenter.h"

namespace vantrel {

namespace {

std::string CloseQuestion(const std::string& script) {
  return script +
         " is still running. Close the window once it has ended?\n\n"
         "Yes: wait for the job, then close.\n"
         "No: close now and let the job finish on its own; its outcome is still checked and logged.\n"
         "Cancel: keep the window open.";
}

}  // namespace

bool FormPresenter::CloseAsked() {
  if (!jobs_.Busy()) return closing_ = true;
  if (closeWaiting_) return false;  // asked and answered: the window is closing
  const FormView::Reply reply = view_.AskOrCancel(CloseQuestion(runningScript_));
  if (reply == FormView::Reply::Cancel) return false;
  // The job may have ended while the question was up; a close asked for later would come
  // from inside this one, where the view ignores it.
  if (!jobs_.Busy()) return closing_ = true;
  closeWaiting_ = true;
  if (reply == FormView::Reply::No) {
    jobs_.GoOnUnattended();
    view_.Hide();
  }
  // Behind the jobs put off before the close, as every request waits its turn.
  jobs_.WhenIdle([this] { view_.Close(); });
  return false;
}

}  // namespace vantrel
