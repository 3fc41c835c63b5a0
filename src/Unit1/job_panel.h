#pragma once
// The job the window runs itself: its console shown as it comes, each pause answered by
// Continue, a key typed in the panel (or on its own), its outcome checked, told in one line and
// logged when it ends.
// One job at a time: a job asked for while another runs waits for it. When the user prefers
// and the desktop has a terminal emulator, the job runs in a terminal window instead, and its
// status file tells when it has ended.
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/job_plan.h"
#include "rbext/message_hook.h"
#include "window/idle_requests.h"
#include "window/job_record.h"
#include "window/job_runner.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QWidget;

namespace vantrel {

class JobPanel : public QObject, public JobRunner {
  Q_OBJECT

 public:
  // Places the panel's controls on `window`; failures go to `show`.
  JobPanel(QWidget* window, MessageHook show);
  ~JobPanel() override;  // a job still running is ended: its window is going

  bool Busy() const override { return running_; }
  bool HandsOverFolderLock() const override { return !InTerminal(); }
  void Start(const std::string& program, const JobPlan& plan, const std::string& success) override;
  void WhenIdle(std::function<void()> request) override;
  void ShowOutcome(const std::string& line) override;
  void ShowNotes() override;  // the console's page of `notes`
  void GoOnUnattended() override;  // as "Continue on its own"
  std::optional<std::string> LastFailure() const override { return record_.Failure(); }

  QPlainTextEdit* console = nullptr;
  QPushButton* continueButton = nullptr;
  QCheckBox* continueOnItsOwn = nullptr;
  QCheckBox* inTerminal = nullptr;  // shown only when there is a terminal emulator
  QLabel* outcome = nullptr;
  QTabWidget* notes = nullptr;  // the tabs the window put the console in
  // Scrolls the window so that a control of the panel shows; set by the window.
  std::function<void(QWidget*)> bringIntoView = [](QWidget*) {};

 signals:
  // The job has ended and its outcome is shown: the lists want a refresh.
  void JobEnded();

 private:
  bool InTerminal() const;  // the next job runs in a terminal window
  void StartInPanel(const std::string& program);
  void StartInTerminal(const std::string& program);
  void PollStatus();
  void Take();
  void MuteNothingToDelete(int lines);
  void Continue();
  bool Waiting() const;
  // `notStarted`, when not "", tells why the shell never started (JobRecord::Finish).
  void Finish(bool succeeded, const std::string& notStarted = "");
  bool eventFilter(QObject* watched, QEvent* event) override;

  MessageHook show_;
  bool running_ = false;
  QProcess* process_ = nullptr;
  std::optional<std::string> terminal_;
  std::unique_ptr<QTemporaryDir> statusFolder_;  // made at the first job in a terminal
  QTimer* poll_ = nullptr;
  qint64 terminalPid_ = 0;
  QElapsedTimer sinceStart_;
  JobRecord record_;
  IdleRequests waiting_{[this] { return Busy(); }};
};

}  // namespace vantrel
