#pragma once
// The job the window runs itself: its console shown as it comes, each pause answered by
// Continue (or on its own), its outcome checked, told in one line and logged when it ends.
// One job at a time: a job asked for while another runs waits for it.
#include <QObject>
#include <QProcess>

#include <deque>
#include <functional>
#include <string>

#include "engine/job_plan.h"
#include "rbext/run_shell.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vantrel {

class JobPanel : public QObject {
  Q_OBJECT

 public:
  // Places the panel's controls on `window`; failures go to `show`.
  JobPanel(QWidget* window, MessageHook show);
  ~JobPanel() override;  // a job still running is ended: its window is going

  bool Busy() const { return process_ != nullptr; }
  // Runs `program` /C on the plan's script in the current folder. `success` is the outcome
  // line when the job does all its work.
  void Start(const std::string& program, const JobPlan& plan, const std::string& success);
  // Runs `request` now when no job runs, else once the running job (and those asked for
  // before) have ended.
  void WhenIdle(std::function<void()> request);

  QPlainTextEdit* console = nullptr;
  QPushButton* continueButton = nullptr;
  QCheckBox* continueOnItsOwn = nullptr;
  QPushButton* openLog = nullptr;
  QLabel* outcome = nullptr;

 signals:
  // The job has ended and its outcome is shown: the lists want a refresh.
  void JobEnded();

 private:
  void Take();
  void Continue();
  void Finish(bool succeeded);
  void StartNextWaiting();

  MessageHook show_;
  QProcess* process_ = nullptr;
  JobPlan plan_;
  std::string success_;
  std::string scriptText_;
  std::string output_;
  std::deque<std::function<void()>> waiting_;
};

}  // namespace vantrel
