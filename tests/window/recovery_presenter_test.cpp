// Jobs cut short before the window starts or before it turns to a folder: finished or undone
// and told before the lists are read, and never while a job of the window's own runs.
#include <filesystem>

#include "engine/activation.h"
#include "presenter_fixture.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

constexpr char kMarker[] = "0305_FE2b Fighter";

class RecoveryPresenterTest : public PresenterTest {
 public:
  void Choose(const char* patchLine, std::string_view slot) {
    Pick(Control::ListBox1, patchLine);
    Pick(Control::ListBox2, SlotLine(slot));
  }
  // The install's script written, as the window writes it, and never run: what a crash
  // before its shell started leaves, the ledger's entry still installing.
  void WriteInstallNotRun() {
    Choose("031F FE2b Fighter", "0305");
    WriteActivationScript(session_);
  }
  // The removal's script written and never run after a whole install: the entry removing.
  void WriteRemovalNotRun() {
    Choose("031F FE2b Fighter", "0305");
    presenter_->Clicked(Control::v);
    jobs_.End();
    ASSERT_TRUE(jobs_.outcomes.back().Complete());
    Pick(Control::ListBox3, kMarker);
    ASSERT_TRUE(WriteDeactivationScript(session_));
  }
};

TEST_F(RecoveryPresenterTest, AtStartAJobCutShortIsToldAndTheListsShowTheGameAfterIt) {
  const struct {
    const char* what;
    void (RecoveryPresenterTest::*cutShort)();
    std::string told;
  } kCases[] = {
      {"install", &RecoveryPresenterTest::WriteInstallNotRun,
       "The install of FE2b Fighter into slot 0305 was never run; it is undone."},
      {"removal", &RecoveryPresenterTest::WriteRemovalNotRun,
       "The removal of FE2b Fighter from slot 0305 was cut short; it is finished."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto before = GameFiles();
    (this->*c.cutShort)();
    ASSERT_EQ(Scripts(), Texts{"0305.bat"});
    ASSERT_TRUE(fs::exists(Work() / "vantrel-files/ledger"));
    view_.messages.clear();

    Reopen();
    EXPECT_EQ(view_.messages, Texts{c.told});
    EXPECT_EQ(GameFiles(), before);
    EXPECT_TRUE(Scripts().empty());
    EXPECT_EQ(session_.cat.ListBox3.Count(), 0) << "the active patches were listed before the recovery";
  }
}

// Laid by another program (the command line's activate --no-run) while the window looked
// elsewhere.
TEST_F(RecoveryPresenterTest, TurningToAFolderRecoversItsJobsCutShort) {
  const auto before = GameFiles();
  WriteInstallNotRun();
  view_.Type(Control::path, "Multi");
  presenter_->FolderTextChanged();
  EXPECT_TRUE(view_.messages.empty());
  ASSERT_EQ(Scripts(), Texts{"0305.bat"});

  view_.Type(Control::path, "Simpatch");
  presenter_->FolderTextChanged();
  EXPECT_EQ(view_.messages, Texts{"The install of FE2b Fighter into slot 0305 was never run; it is undone."});
  EXPECT_EQ(GameFiles(), before);
  EXPECT_EQ(session_.cat.ListBox1.Count(), 4);
}

// The failure is told as any handler's, and the lists are still read.
TEST_F(RecoveryPresenterTest, ARecoveryThatFailsIsToldAndTheListsAreStillRead) {
  temp_.write("game/Simpatch/vantrel-files/ledger/cut.txt", "not a ledger entry\r\n");
  temp_.write("game/Simpatch/New Plane/03209000.dml", "shape\n");
  view_.messages.clear();
  Reopen();
  EXPECT_EQ(view_.messages, Texts{"A ledger entry cannot be read: vantrel-files\\ledger\\cut.txt"});
  EXPECT_EQ(session_.cat.ListBox1.Count(), 5);
}

// The window's own running job is in the ledger as cut short until it ends: a load or a
// change of folder meanwhile waits for it, and its outcome is checked in its own folder.
TEST_F(RecoveryPresenterTest, WhileAJobRunsNothingIsRecoveredAndTheFolderStays) {
  Choose("060E Big Tank", "0612");
  presenter_->Clicked(Control::v);
  ASSERT_EQ(Scripts(), Texts{"0612.bat"});
  presenter_->Loadpatches();
  view_.Type(Control::path, "Multi");
  presenter_->FolderTextChanged();
  EXPECT_EQ(fs::current_path(), Work());
  EXPECT_EQ(Scripts(), Texts{"0612.bat"});
  EXPECT_TRUE(view_.messages.empty());

  jobs_.End();
  EXPECT_TRUE(jobs_.outcomes.back().Complete());
  EXPECT_TRUE(fs::exists(Work() / "0612_Big Tank.aop"));
  EXPECT_EQ(fs::current_path(), Game() / "Multi");
  EXPECT_EQ(view_.title, "Vantrel :  Multi");
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
}

}  // namespace
}  // namespace vantrel::testing
