#include "Unit1/job_panel.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

#include "Unit1/qt_text.h"
#include "platform/folder_lock_handover.h"
#include "platform/job_status.h"
#include "platform/process.h"
#include "rbext/run_shell.h"
#include "window/run_handler.h"
#include "Unit1/our_settings.h"

namespace vantrel {

namespace {

// What cmd and our shell both print while a pause waits for its key.
constexpr std::string_view kPausePrompt = "Press any key to continue . . . ";
// What cmd and our shell both print for a del that finds nothing to delete. Every removal
// deletes what a slot may hold, so a job's console opens with several of these: the shell's
// own words and kept, but muted, as they tell of no failure.
constexpr QStringView kNothingToDelete = u"Could Not Find ";
// The console panel keeps this many lines; the log keeps them all.
constexpr int kConsoleLines = 5000;
constexpr const char* kInTerminalKey = "job/inTerminal";
// How often a job in a terminal window is looked at, and how long a terminal emulator that
// has gone may take to start the job (one that hands it to its server returns at once).
constexpr int kPollMs = 100;
constexpr qint64 kStartGraceMs = 5000;

// What answers a pause, as any key does in a console: Return, Space, a letter or another key
// that types something. Tab still moves the focus; with Ctrl or Alt a key is the window's.
bool AnswersPause(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
      return false;
    default:
      return !key.text().isEmpty() && key.text().at(0).isPrint();
  }
}

}  // namespace

JobPanel::JobPanel(QWidget* window, MessageHook show) : QObject(window), show_(std::move(show)) {
  // Under the job's console, where the reference layout has nothing.
  console = new QPlainTextEdit(window);  // the window puts it where it wants it
  console->setObjectName("JobConsole");
  console->setReadOnly(true);
  console->setTabChangesFocus(true);  // Tab goes on to Continue, which a pause waits for
  console->setMaximumBlockCount(kConsoleLines);
  console->setPlaceholderText("The job's console shows here while it runs.");

  continueButton = new QPushButton("&Continue", window);
  continueButton->setObjectName("JobContinue");
  continueButton->setGeometry(368, 738, 90, 23);
  continueButton->setEnabled(false);
  continueOnItsOwn = new QCheckBox("Continue on its own", window);
  continueOnItsOwn->setObjectName("JobContinueOnItsOwn");
  continueOnItsOwn->setGeometry(466, 741, 130, 17);
  inTerminal = new QCheckBox("In a terminal", window);
  inTerminal->setObjectName("JobInTerminal");
  inTerminal->setGeometry(604, 741, 96, 17);
  terminal_ = platform::FindTerminal();
  inTerminal->setVisible(terminal_.has_value());
  inTerminal->setChecked(terminal_ && OurSettings().value(kInTerminalKey).toBool());
  outcome = new QLabel(window);
  outcome->setObjectName("JobOutcome");
  outcome->setGeometry(40, 770, 818, 30);
  outcome->setWordWrap(true);
  outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);

  poll_ = new QTimer(this);
  poll_->setInterval(kPollMs);
  connect(poll_, &QTimer::timeout, this, [this] { PollStatus(); });
  connect(continueButton, &QPushButton::clicked, this, [this] { Continue(); });
  // Ticked while a pause waits, it answers that pause too.
  connect(continueOnItsOwn, &QCheckBox::toggled, this, [this](bool on) {
    if (on && Waiting()) Continue();
  });
  // A push button outside a dialog takes only Space; the console takes no keys at all.
  console->installEventFilter(this);
  continueButton->installEventFilter(this);
  connect(inTerminal, &QCheckBox::toggled, this,
          [](bool on) { OurSettings().setValue(kInTerminalKey, on); });
}

// A job in a terminal window has a window of its own and goes on.
JobPanel::~JobPanel() {
  if (!process_) return;
  process_->disconnect(this);
  process_->kill();
  process_->waitForFinished(1000);
}

void JobPanel::Start(const std::string& program, const JobPlan& plan, const std::string& success) {
  record_.Begin(plan, success);  // the script is read now: the job deletes it
  // The job's steps first, then its console as it comes.
  console->setPlainText(ToQt(record_.StepsLines()));
  outcome->setText(ToQt(record_.RunningLine()));
  running_ = true;
  // The console first, then the outcome line under it, as far as the window has room for both.
  bringIntoView(notes ? static_cast<QWidget*>(notes) : console);
  bringIntoView(outcome);
  if (InTerminal()) {
    StartInTerminal(program);
  } else {
    StartInPanel(program);
  }
}

// A terminal emulator starts the shell as a program of its own, and what the terminal is
// handed need not reach the shell: no lock can be handed over there, and the shell takes it
// itself once it runs.
bool JobPanel::InTerminal() const { return inTerminal->isChecked() && terminal_; }

// The shell gets the folder lock the window holds, as any program we start does, so that it
// keeps the folder for its whole run should the window die meanwhile.
void JobPanel::StartInPanel(const std::string& program) {
  process_ = new QProcess(this);
  process_->setProcessChannelMode(QProcess::MergedChannels);
  process_->setWorkingDirectory(QDir::currentPath());
  const platform::FolderLockHandover handover = platform::HandOverFolderLock();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(ToQt(handover.variable));
  if (handover.lockFile >= 0) {
    environment.insert(ToQt(handover.variable), ToQt(handover.value));
    process_->setChildProcessModifier([lockFile = handover.lockFile] { platform::KeepOpenAcrossExec(lockFile); });
  }
  process_->setProcessEnvironment(environment);
  connect(process_, &QProcess::readyReadStandardOutput, this, [this] { Take(); });
  connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
    Finish(status == QProcess::NormalExit && code == 0);
  });
  connect(process_, &QProcess::errorOccurred, this, [this, program](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    // As when the shell is started through the system: the job is not run, the window goes on.
    Finish(false, ShellFailureText(2, program, "/C " + record_.Plan().script));
  });
  process_->start(ToQt(program), {"/C", ToQt(record_.Plan().script)});
}

void JobPanel::StartInTerminal(const std::string& program) {
  if (!statusFolder_) statusFolder_ = std::make_unique<QTemporaryDir>();
  const QString status = statusFolder_->filePath("job.status");
  QFile::remove(status);
  record_.AddConsole("(the job's console was a terminal window)\n");
  console->setPlainText(ToQt("The job runs in a terminal window of its own."));
  const std::string& script = record_.Plan().script;
  const QStringList args = {"-e", ToQt(program), "--status-file", status, "/C", ToQt(script)};
  if (!statusFolder_->isValid() ||
      !QProcess::startDetached(ToQt(*terminal_), args, QDir::currentPath(), &terminalPid_)) {
    Finish(false, ShellFailureText(2, *terminal_, "-e " + program + " /C " + script));
    return;
  }
  sinceStart_.start();
  poll_->start();
}

void JobPanel::PollStatus() {
  const platform::JobStatus status = platform::ReadJobStatus(FromQt(statusFolder_->filePath("job.status")));
  using State = platform::JobStatus::State;
  if (status.state == State::Ended) {
    Finish(status.value == 0);
  } else if (status.state == State::NotStarted && sinceStart_.elapsed() > kStartGraceMs &&
             !platform::ProcessRunning(terminalPid_)) {
    // The terminal has gone and never started the job.
    Finish(false);
  }
}

void JobPanel::ShowOutcome(const std::string& line) { outcome->setText(ToQt(line)); }

void JobPanel::ShowNotes() {
  if (notes) notes->setCurrentWidget(console);
}

void JobPanel::GoOnUnattended() {
  continueOnItsOwn->setChecked(true);  // which answers a pause that waits now
}

void JobPanel::WhenIdle(std::function<void()> request) { waiting_.Add(std::move(request)); }

void JobPanel::Take() {
  const QByteArray bytes = process_->readAllStandardOutput();
  const std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  record_.AddConsole(text);
  // One insertion per chunk keeps the window responsive under a fast console.
  QTextCursor end = console->textCursor();
  end.movePosition(QTextCursor::End);
  end.insertText(ToQt(text), QTextCharFormat());  // not the format of a muted line before it
  MuteNothingToDelete(static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1);
  console->verticalScrollBar()->setValue(console->verticalScrollBar()->maximum());
  if (!record_.Console().ends_with(kPausePrompt)) return;
  if (continueOnItsOwn->isChecked()) {
    Continue();
  } else {
    continueButton->setEnabled(true);
    bringIntoView(continueButton);
    continueButton->setFocus();  // so that Return answers the pause
  }
}

// The chunk may have ended inside a line, so the last `lines` lines are looked at whole.
void JobPanel::MuteNothingToDelete(int lines) {
  QTextCharFormat muted;
  muted.setForeground(console->palette().brush(QPalette::Disabled, QPalette::Text));
  for (QTextBlock block = console->document()->lastBlock(); block.isValid() && lines > 0;
       block = block.previous(), --lines) {
    if (!block.text().startsWith(kNothingToDelete)) continue;
    QTextCursor line(block);
    line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    line.setCharFormat(muted);
  }
}

void JobPanel::Continue() {
  // The keys typed on stay with the panel, where the next pause takes them, rather than go to
  // the control after Continue.
  if (continueButton->hasFocus()) console->setFocus();
  continueButton->setEnabled(false);
  if (process_) process_->write("\r");
}

bool JobPanel::Waiting() const { return continueButton->isEnabled(); }

bool JobPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !Waiting() || !AnswersPause(*static_cast<QKeyEvent*>(event))) {
    return QObject::eventFilter(watched, event);
  }
  Continue();
  return true;
}

void JobPanel::Finish(bool succeeded, const std::string& notStarted) {
  if (!running_) return;
  running_ = false;
  poll_->stop();
  if (process_) process_->deleteLater();
  process_ = nullptr;
  continueButton->setEnabled(false);
  RunHandler(show_, [&] { outcome->setText(ToQt(record_.Finish(succeeded, notStarted))); });
  emit JobEnded();
  waiting_.RunWaiting();
}

}  // namespace vantrel
