// Jobs run by the window itself: the console in its panel, pauses answered, the outcome told
// in one line and both patch lists refreshed when the job ends, without a click.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <filesystem>

#include "engine/installed.h"
#include "job_window_fixture.h"
#include "lock_probe.h"
#include "scoped_env.h"

namespace vantrel::testing {
namespace {

TEST_F(JobWindowTest, AnAircraftPatchGoesInAndOutWithEachPauseAnsweredByContinue) {
  ClickEntry("ListBox1", "031F FE2b Fighter");
  ClickEntry("ListBox2", SlotLine("0305"));
  ClickButton("v");
  ASSERT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_EQ(Caption("v"), "Activate this choice");  // the handler returned at once

  // Two pauses: after the slot is emptied, and at the end of the script.
  auto* next = Find<QAbstractButton>("JobContinue");
  for (int pause = 0; pause < 2; ++pause) {
    ASSERT_TRUE(WaitFor([&] { return next->isEnabled(); })) << "pause " << pause << "\n" << Console();
    EXPECT_TRUE(next->hasFocus());
    next->click();
  }
  ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
  EXPECT_EQ(Outcome(), "FE2b Fighter is active in " + SlotLine("0305"));
  EXPECT_NE(Console().find("echo deleting 0305"), std::string::npos) << Console();
  EXPECT_EQ(Shown("ListBox3"), std::vector<std::string>{"0305_FE2b Fighter"});
  EXPECT_EQ(temp_.read("game/Simpatch/03059000.dml"), temp_.read("game/Simpatch/FE2b Fighter/031F9000.dml"));

  Find<QCheckBox>("JobContinueOnItsOwn")->click();
  ClickEntry("ListBox3", "0305_FE2b Fighter");
  ClickButton("Button4");
  ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
  EXPECT_EQ(Outcome(), "0305_FE2b Fighter is removed");
  EXPECT_TRUE(Shown("ListBox3").empty());
  EXPECT_FALSE(temp_.exists("game/Simpatch/03059000.dml"));
  EXPECT_TRUE(messages_.empty());

  // Both jobs are in the log, with their scripts and outcomes.
  const std::string log = temp_.read("game/Simpatch/vantrel-files/vantrel-jobs.log");
  EXPECT_NE(log.find("FE2b Fighter is active in 0305"), std::string::npos) << log;
  EXPECT_NE(log.find("0305_FE2b Fighter is removed"), std::string::npos) << log;
  EXPECT_NE(log.find("echo Active > \"0305_FE2b Fighter.aop\""), std::string::npos) << log;
}

// After each listing of Active patches the check runs in the background and marks a patch
// whose files are not all in place, with why in its tooltip; the entry's text stays the
// marker's, and "Repair" is offered once it is picked.
TEST_F(JobWindowTest, AnEntryWhoseFilesAreNotInPlaceIsMarkedWithWhy) {
  Find<QCheckBox>("JobContinueOnItsOwn")->click();
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0601"));
  ClickButton("v");
  ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
  std::filesystem::remove(Work() / "06019000.dml");
  ClickButton("Button2");

  auto* list = Find<QListView>("ListBox3");
  const auto tip = [list] { return FromQt(list->model()->index(0, 0).data(Qt::ToolTipRole).toString()); };
  // Under the mark's reason, the slot the entry holds.
  ASSERT_TRUE(WaitFor([&] { return tip().starts_with("Not all"); })) << tip();
  EXPECT_EQ(tip(), "Not all its files are in place (Repair puts them back):\nmissing: .\\06019000.dml\nIn slot 0601 " +
                       SlotNameOf(session_.cat, "0601"));
  EXPECT_TRUE(list->model()->index(0, 0).data(Qt::ForegroundRole).isValid());
  EXPECT_EQ(Shown("ListBox3"), std::vector<std::string>{"0601_Big Tank"});
  EXPECT_FALSE(form_->Presenter().RepairOffered());
  ClickEntry("ListBox3", "0601_Big Tank");
  EXPECT_TRUE(form_->Presenter().RepairOffered());
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

// Ctrl+Q while the job waits at its first pause, with the slot emptied and nothing copied yet:
// whatever the user answers, the job goes on to its end and is logged; the window closes
// once it has ended (at once from sight when the job is let finish on its own), or stays.
TEST_F(JobWindowTest, ClosingTheWindowDuringAJobNeverCutsTheJobShort) {
  const struct {
    QMessageBox::StandardButton press;
    bool hiddenAtOnce;
    bool closedAfterTheJob;
  } kReplies[] = {{QMessageBox::Yes, false, true}, {QMessageBox::No, true, true}, {QMessageBox::Cancel, false, false}};
  for (const auto& c : kReplies) {
    SCOPED_TRACE(c.press);
    form_.reset();
    std::filesystem::remove(Work() / "vantrel-files" / "vantrel-jobs.log");
    std::filesystem::remove(Work() / "0305_FE2b Fighter.aop");  // else the slot's question comes first
    SetUp();
    ClickEntry("ListBox1", "031F FE2b Fighter");
    ClickEntry("ListBox2", SlotLine("0305"));
    ClickButton("v");
    auto* next = Find<QAbstractButton>("JobContinue");
    ASSERT_TRUE(WaitFor([&] { return next->isEnabled(); })) << Console();

    std::string question;
    {
      BoxAnswerer answer([&](QMessageBox& box) {
        question = FromQt(box.text());
        box.button(c.press)->click();
      });
      QTest::keyClick(Find<QWidget>("ListBox1"), Qt::Key_Q, Qt::ControlModifier);
    }
    EXPECT_TRUE(question.starts_with("0305.bat is still running.")) << question;
    EXPECT_EQ(form_->isVisible(), !c.hiddenAtOnce);
    if (!c.hiddenAtOnce) {
      for (int pause = 0; pause < 2; ++pause) {
        ASSERT_TRUE(WaitFor([&] { return next->isEnabled(); })) << "pause " << pause << "\n" << Console();
        EXPECT_TRUE(form_->isVisible()) << "closed while the job runs";
        next->click();
      }
    }
    ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
    EXPECT_EQ(Outcome(), "FE2b Fighter is active in " + SlotLine("0305"));
    EXPECT_EQ(temp_.read("game/Simpatch/03059000.dml"), temp_.read("game/Simpatch/FE2b Fighter/031F9000.dml"));
    EXPECT_FALSE(temp_.exists("game/Simpatch/0305.bat"));
    const std::string log = temp_.read("game/Simpatch/vantrel-files/vantrel-jobs.log");
    EXPECT_NE(log.find("FE2b Fighter is active in 0305"), std::string::npos) << log;
    EXPECT_EQ(form_->isVisible(), !c.closedAfterTheJob);
    EXPECT_TRUE(messages_.empty()) << messages_.front();
  }
}

// As in a console, a key answers a pause: Return or Space on Continue, a letter typed in the
// job's console; Tab only moves on. "Continue on its own" ticked during a pause answers it too.
TEST_F(JobWindowTest, APauseIsAnsweredByAKeyInThePanelOrByContinuingOnItsOwn) {
  auto* next = Find<QAbstractButton>("JobContinue");
  QWidget* console = Find<QWidget>("JobConsole");
  const struct {
    const char* what;
    QWidget* target;
    Qt::Key key;
  } kAnswers[] = {
      {"Return on Continue", next, Qt::Key_Return},
      {"a letter in the console", console, Qt::Key_X},
      {"Space on Continue", next, Qt::Key_Space},
  };
  std::size_t answered = 0;
  for (const char* slot : {"0305", "0306"}) {
    ClickEntry("ListBox1", "031F FE2b Fighter");
    ClickEntry("ListBox2", SlotLine(slot));
    ClickButton("v");
    for (int pause = 0; pause < 2; ++pause) {
      ASSERT_TRUE(WaitFor([&] { return next->isEnabled(); })) << slot << " pause " << pause << "\n" << Console();
      if (answered == std::size(kAnswers)) {
        QTest::keyClick(next, Qt::Key_Tab);
        QTest::qWait(50);
        EXPECT_TRUE(next->isEnabled()) << "Tab answered the pause";
        Find<QCheckBox>("JobContinueOnItsOwn")->click();
        EXPECT_FALSE(next->isEnabled()) << "ticking Continue on its own left the pause waiting";
        break;
      }
      const auto& answer = kAnswers[answered++];
      answer.target->setFocus();
      QTest::keyClick(answer.target, answer.key);
      EXPECT_FALSE(next->isEnabled()) << answer.what << " left the pause waiting";
    }
    ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
    EXPECT_EQ(Outcome(), "FE2b Fighter is active in " + SlotLine(slot));
  }
}

// On a screen lower than the window's panels, the job's console, its Continue and its outcome
// line are scrolled into view while it runs.
TEST_F(JobWindowTest, OnASmallScreenTheRunningJobIsScrolledIntoView) {
  const QRect small = QGuiApplication::screens().at(1)->availableGeometry();
  QSettings("Vantrel", "Vantrel").setValue("window/place", QRect(small.topLeft(), QSize(875, 868)));
  form_.reset();
  SetUp();
  auto* scroller = Find<QScrollArea>("WindowScroller");
  ASSERT_GT(scroller->verticalScrollBar()->maximum(), 0);
  const auto inView = [&](const char* name) {
    auto* control = Find<QWidget>(name);
    const QRect shown(control->mapTo(scroller->viewport(), QPoint(0, 0)), control->size());
    return scroller->viewport()->rect().contains(shown);
  };
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0612"));
  ClickButton("v");
  auto* next = Find<QAbstractButton>("JobContinue");
  ASSERT_TRUE(WaitFor([&] { return next->isEnabled(); })) << Console();
  EXPECT_TRUE(inView("JobContinue"));
  EXPECT_TRUE(inView("JobOutcome"));
  QTest::keyClick(next, Qt::Key_Return);
  ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
  EXPECT_EQ(Outcome(), "Big Tank is active in " + SlotLine("0612"));
}

TEST_F(JobWindowTest, AJobThatCannotCopyAFileSaysWhichAndListsNothing) {
  Find<QCheckBox>("JobContinueOnItsOwn")->click();
  temp_.mkdir("game/Simpatch/0612tex1.bmp");  // a folder where a texture goes: refused even for root
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0612"));
  ClickButton("v");
  ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
  EXPECT_NE(Outcome().find("not in place"), std::string::npos) << Outcome();
  EXPECT_NE(Outcome().find("0612tex1.bmp"), std::string::npos) << Outcome();
  EXPECT_TRUE(Shown("ListBox3").empty());
  // A box tells it too, with the reason; the outcome line stays in sight beside the readme.
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].starts_with(Outcome().substr(0, Outcome().find(" It is not listed")))) << messages_[0];
  EXPECT_NE(messages_[0].find("\nFile access denied: .\\0612tex1.bmp\n"), std::string::npos) << messages_[0];
  Find<QTabWidget>("Notes")->setCurrentWidget(Find<QWidget>("Readme"));
  EXPECT_TRUE(Find<QLabel>("JobOutcome")->isVisible());
}

TEST_F(JobWindowTest, AJobAskedForWhileOneRunsWaitsForIt) {
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0612"));
  ClickButton("v");  // waits at its closing pause
  ClickEntry("ListBox2", SlotLine("0613"));
  ClickButton("v");
  EXPECT_FALSE(temp_.exists("game/Simpatch/0613.bat")) << "written while the first job ran";
  EXPECT_EQ(Outcome(), "Activating Big Tank waits for the running job.");
  auto* next = Find<QAbstractButton>("JobContinue");
  for (const char* job : {"0612.bat", "0613.bat"}) {
    ASSERT_TRUE(WaitFor([&] { return next->isEnabled(); })) << job << "\n" << Console();
    next->click();
  }
  ASSERT_TRUE(WaitFor([&] { return Shown("ListBox3").size() == 2; })) << Console();
  EXPECT_EQ(Shown("ListBox3"), (std::vector<std::string>{"0612_Big Tank", "0613_Big Tank"}));
}

// The ledger of what the job replaced needs a support folder, so one is made; the job's log
// is kept in it as in any other.
TEST_F(JobWindowTest, AWorkingFolderWithoutASupportFolderGetsOneForItsLedger) {
  std::filesystem::remove_all(Work() / "vantrel-files");
  Find<QCheckBox>("JobContinueOnItsOwn")->click();
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0612"));
  ClickButton("v");
  ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
  EXPECT_EQ(Outcome(), "Big Tank is active in " + SlotLine("0612"));
  EXPECT_TRUE(messages_.empty()) << messages_.front();
  EXPECT_TRUE(std::filesystem::exists(Work() / "vantrel-files" / "ledger" / "0612_Big Tank.txt"));
  EXPECT_TRUE(std::filesystem::exists(Work() / "vantrel-files" / "vantrel-jobs.log"));
}

// Every removal deletes what a slot may hold, and the shell says "Could Not Find" of each
// name that is not there: its own words, kept, but muted, as they tell of no failure.
TEST_F(JobWindowTest, TheShellsCouldNotFindLinesAreKeptButMuted) {
  Find<QCheckBox>("JobContinueOnItsOwn")->click();
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0612"));
  ClickButton("v");
  ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
  auto* console = Find<QPlainTextEdit>("JobConsole");
  const QColor muted = console->palette().color(QPalette::Disabled, QPalette::Text);
  ASSERT_NE(muted, console->palette().color(QPalette::Active, QPalette::Text)) << "no muted colour to tell apart";
  int mutedLines = 0;
  int plainLines = 0;
  for (QTextBlock block = console->document()->begin(); block.isValid(); block = block.next()) {
    if (block.text().trimmed().isEmpty()) continue;
    const bool notFound = block.text().startsWith("Could Not Find ");
    for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
      const bool greyed = piece.fragment().charFormat().foreground().color() == muted;
      EXPECT_EQ(greyed, notFound) << block.text().toStdString();
    }
    ++(notFound ? mutedLines : plainLines);
  }
  EXPECT_GE(mutedLines, 3) << Console();
  EXPECT_GE(plainLines, 3) << Console();
  EXPECT_EQ(Outcome(), "Big Tank is active in " + SlotLine("0612"));
}

// "Job log" hands the log to the desktop's program for it; where there is none (offscreen,
// or no xdg-open), the window shows it in a viewer of its own.
TEST_F(JobWindowTest, TheJobLogOpensInAViewerOfTheWindowsOwnWhereNoProgramOpensIt) {
  const auto viewerText = [&] {
    auto* viewer = form_->findChild<QDialog*>("JobLogViewer");
    EXPECT_NE(viewer, nullptr);
    if (!viewer || !viewer->isVisible()) return std::string("(no viewer)");
    viewer->close();
    return FromQt(viewer->findChild<QPlainTextEdit*>()->toPlainText());
  };
  ClickButton("JobLog");
  EXPECT_EQ(viewerText(), "No job has been logged in this working folder yet.");

  Find<QCheckBox>("JobContinueOnItsOwn")->click();
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0612"));
  ClickButton("v");
  ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
  ClickButton("JobLog");  // offscreen, Qt knows no program for it
  const std::string shown = viewerText();
  EXPECT_NE(shown.find("Big Tank is active in 0612"), std::string::npos) << shown;
  EXPECT_NE(shown.find("copy "), std::string::npos) << shown;

  // A program registered for files gets the log, and no viewer comes up. QTextBrowser's
  // setSource is a slot that takes the URL as the desktop's handler would.
  QTextBrowser program;
  QDesktopServices::setUrlHandler("file", &program, "setSource");
  ClickButton("JobLog");
  QDesktopServices::unsetUrlHandler("file");
  EXPECT_EQ(program.source().toLocalFile().toStdString(), (Work() / "vantrel-files" / "vantrel-jobs.log").string());
  EXPECT_FALSE(form_->findChild<QDialog*>("JobLogViewer")->isVisible());
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

TEST_F(JobWindowTest, AShellThatCannotBeStartedIsReportedInABox) {
  session_.shellProgram = (Work() / "no-such-shell").string();
  ClickEntry("ListBox1", "060E Big Tank");
  ClickEntry("ListBox2", SlotLine("0612"));
  ClickButton("v");
  ASSERT_TRUE(WaitFor([&] { return !messages_.empty(); }));
  // One box: why the shell did not start, then what the job left undone.
  ASSERT_EQ(messages_.size(), 1u) << messages_.back();
  EXPECT_TRUE(messages_.front().starts_with("Error #2 executing ")) << messages_.front();
  EXPECT_NE(messages_.front().find("\n\nThe patch was not installed"), std::string::npos) << messages_.front();
  // Never run, so undone at once: no script is left to run by hand without its ledger entry.
  EXPECT_FALSE(temp_.exists("game/Simpatch/0612.bat"));
  EXPECT_FALSE(temp_.exists("game/Simpatch/vantrel-files/ledger/0612_Big Tank.txt"));
  EXPECT_EQ(Caption("v"), "Activate this choice");
  EXPECT_EQ(LockFoundByAnotherProgram(), FolderLockFound::Free);
}

// A terminal emulator may keep the job until it ends or hand it on and return at once: the
// window learns the job's end from the shell either way, and not while the job still runs.
TEST_F(JobWindowTest, InATerminalWindowTheJobsEndIsToldByTheShellWhetherTheTerminalWaitsOrNot) {
  const struct {
    const char* terminal;
    const char* body;
  } kTerminals[] = {
      {"waits", "shift; exec \"$@\" </dev/null >/dev/null 2>&1"},
      {"returns at once", "shift; (sleep 0.3; exec \"$@\") </dev/null >/dev/null 2>&1 & exit 0"},
  };
  ScopedEnv display("DISPLAY", ":77");
  for (const auto& c : kTerminals) {
    SCOPED_TRACE(c.terminal);
    const std::filesystem::path terminal = temp_.path() / "terminal.sh";
    temp_.write("terminal.sh", std::string("#!/bin/sh\n") + c.body + "\n");
    std::filesystem::permissions(terminal, std::filesystem::perms::owner_all);
    ScopedEnv chosen("VANTREL_TERMINAL", terminal.c_str());
    form_.reset();
    SetUp();
    auto* inTerminal = Find<QCheckBox>("JobInTerminal");
    ASSERT_FALSE(inTerminal->isHidden());
    if (!inTerminal->isChecked()) inTerminal->click();  // remembered from the first round
    ClickEntry("ListBox1", "060E Big Tank");
    ClickEntry("ListBox2", SlotLine("0612"));
    ClickButton("v");
    ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
    EXPECT_EQ(Outcome(), "Big Tank is active in " + SlotLine("0612"));
    EXPECT_EQ(Shown("ListBox3"), std::vector<std::string>{"0612_Big Tank"});
    EXPECT_NE(Console().find("terminal window"), std::string::npos) << Console();

    ClickEntry("ListBox3", "0612_Big Tank");
    ClickButton("Button4");
    ASSERT_TRUE(WaitFor([&] { return JobOver(); })) << Console();
    EXPECT_EQ(Outcome(), "0612_Big Tank is removed");
    EXPECT_TRUE(Shown("ListBox3").empty());
  }
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

}  // namespace
}  // namespace vantrel::testing
