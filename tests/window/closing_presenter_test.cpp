// Closing the window: at once with no job running; while one runs, only as the user chooses
// and never before the job has ended.
#include "presenter_fixture.h"

namespace vantrel::testing {
namespace {

using Reply = FormView::Reply;

class ClosingPresenterTest : public PresenterTest {
 protected:
  // "Big Tank" into slot 0612: a job the runner keeps running until End.
  void StartAJob() {
    Pick(Control::ListBox1, "060E Big Tank");
    Pick(Control::ListBox2, SlotLine("0612"));
    presenter_->Clicked(Control::v);
    ASSERT_TRUE(jobs_.Busy());
  }
};

TEST_F(ClosingPresenterTest, WithNoJobRunningTheWindowClosesAtOnceUnasked) {
  EXPECT_TRUE(presenter_->CloseAsked());
  StartAJob();
  jobs_.End();
  EXPECT_TRUE(presenter_->CloseAsked());
  EXPECT_TRUE(view_.questions.empty());
}

// The activation's check waits behind the window's events; a close let through first leaves
// it unstarted, so that the window does not wait for it to end.
TEST_F(ClosingPresenterTest, ACheckNotYetStartedDoesNotStartOnceTheWindowCloses) {
  EXPECT_TRUE(presenter_->CloseAsked());
  ASSERT_TRUE(view_.RunPosted());
  EXPECT_FALSE(view_.RunPosted(std::chrono::milliseconds(300)));
  EXPECT_EQ(view_.markings, 0);
}

struct ReplyCase {
  const char* what;
  Reply reply;
  bool closesAfterTheJob;
  bool hiddenAtOnce;  // and the job goes on unattended
};
void PrintTo(const ReplyCase& c, std::ostream* os) { *os << c.what; }

class CloseWhileAJobRunsTest : public ClosingPresenterTest, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(CloseWhileAJobRunsTest, TheWindowStaysUntilTheJobHasEndedAndThenGoesAsChosen) {
  const ReplyCase& c = GetParam();
  StartAJob();
  view_.reply = c.reply;
  EXPECT_FALSE(presenter_->CloseAsked());
  EXPECT_EQ(view_.questions,
            std::vector<std::string>{"0612.bat is still running. Close the window once it has ended?\n\n"
                                     "Yes: wait for the job, then close.\n"
                                     "No: close now and let the job finish on its own; its outcome is still "
                                     "checked and logged.\n"
                                     "Cancel: keep the window open."});
  EXPECT_EQ(view_.hidden, c.hiddenAtOnce);
  EXPECT_EQ(jobs_.unattended, c.hiddenAtOnce);
  EXPECT_EQ(view_.closed, 0) << "closed while the job runs";

  jobs_.End();
  EXPECT_EQ(view_.closed, c.closesAfterTheJob ? 1 : 0);
  EXPECT_EQ(view_.questions.size(), 1u);
}

// The window's own close is under way then: nothing would close it later.
TEST_P(CloseWhileAJobRunsTest, AJobThatEndsWhileTheQuestionIsUpLeavesTheAnswerToCloseNow) {
  const ReplyCase& c = GetParam();
  StartAJob();
  view_.reply = c.reply;
  view_.whileAsking = [this] { jobs_.End(); };
  EXPECT_EQ(presenter_->CloseAsked(), c.closesAfterTheJob);
  EXPECT_FALSE(view_.hidden);
  EXPECT_EQ(view_.closed, 0);
}

INSTANTIATE_TEST_SUITE_P(Presenter, CloseWhileAJobRunsTest,
                         ::testing::Values(ReplyCase{"YesWaits", Reply::Yes, true, false},
                                           ReplyCase{"NoLetsItFinishOnItsOwn", Reply::No, true, true},
                                           ReplyCase{"CancelKeepsTheWindow", Reply::Cancel, false, false}),
                         [](const ::testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.what); });

// A job that has not started by the close never starts: it would outlive the window.
TEST_F(ClosingPresenterTest, OnceTheWindowIsClosingNoOtherJobStartsAndItIsNotAskedAgain) {
  StartAJob();
  Pick(Control::ListBox2, SlotLine("0613"));
  presenter_->Clicked(Control::v);  // put off behind the running job
  view_.reply = Reply::Yes;
  EXPECT_FALSE(presenter_->CloseAsked());
  EXPECT_FALSE(presenter_->CloseAsked());
  presenter_->Clicked(Control::v);
  EXPECT_EQ(view_.questions.size(), 1u);

  jobs_.End();
  EXPECT_EQ(jobs_.started.size(), 1u);
  EXPECT_TRUE(Scripts().empty()) << "the job ran to its end, and no other was written";
  EXPECT_EQ(view_.closed, 1);
}

}  // namespace
}  // namespace vantrel::testing
