// Patches added from archives: the archive chosen or dropped, the question which patch of
// several, the name a new folder can take, the progress of a large patch and its cancel, the
// outcome line and the new patch picked afterwards.
#include <filesystem>
#include <set>

#include "archive_fixture.h"
#include "catalogue/list_line.h"
#include "presenter_fixture.h"

namespace vantrel::testing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

constexpr const char* kBigGunAdded = "Big Gun (0620) is added from big-gun-v2.zip.";
constexpr const char* kBigTankTaken =
    "There is already a file or folder named Big Tank in the working folder.\nAdd the patch as:";

class ArchivePresenterTest : public PresenterTest {
 protected:
  // downloads/NAME.zip beside the game, holding `entries`.
  std::string Download(const std::string& name, const std::vector<Entry>& entries) const {
    const fs::path file = temp_.path() / "downloads" / (name + ".zip");
    fs::create_directories(file.parent_path());
    MakeArchive(file, Format::Zip, entries);
    return file.string();
  }
  std::string BigGun() const {
    return Download("big-gun-v2", {{"big-gun-v2/readme.txt", "read me"},
                                   {"Big Gun/06209000.dml", "shape"},
                                   {"Big Gun/0620tex1.bmp", "texture"}});
  }
  std::string Tanks() const {
    return Download("tanks", {{"pack/Big Tank/060E9000.dml", "new tank"}, {"pack/Small Tank/06109000.dml", "small"}});
  }
  std::set<std::string> WorkFolder() const { return ArchiveFixture::Listing(Work()); }
  std::string PickedPatch() const {
    const EntryList& list = session_.cat.ListBox1;
    return list.Selected() ? list.SelectedText() : "";
  }
};

TEST_F(ArchivePresenterTest, TheArchiveChosenAddsItsPatchWhichIsPickedAndShown) {
  view_.archiveChosen = BigGun();
  presenter_->Clicked(Control::AddArchive);
  EXPECT_EQ(view_.archiveDialogs, 1);
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
  EXPECT_TRUE(view_.questions.empty()) << "one patch, a free name: nothing to ask";
  EXPECT_TRUE(view_.progress.empty()) << "a small patch is unpacked at once";
  EXPECT_EQ(temp_.read("game/Simpatch/Big Gun/0620tex1.bmp"), "texture");
  EXPECT_EQ(jobs_.shownLines, Texts{kBigGunAdded});
  ASSERT_EQ(PickedPatch(), "0620 Big Gun");
  EXPECT_EQ(Edit1(), "0620 Big Gun ==> none");
  const auto row = static_cast<std::size_t>(*session_.cat.ListBox1.Selected());
  ASSERT_FALSE(view_.keptInView.empty());
  EXPECT_EQ(view_.keptInView.back(), std::make_pair(Control::ListBox1, row));
}

// A cancel of the dialog or of a question writes nothing and tells nothing: the user's own
// stop. A name that is refused is asked again, with the reason, until one is free.
TEST_F(ArchivePresenterTest, ADropAsksWhichPatchAndAnotherNameForARefusedOne) {
  const std::string tanks = Tanks();
  const std::set<std::string> before = WorkFolder();
  const Texts kChoices = {"060E Big Tank   (pack/Big Tank)", "0610 Small Tank   (pack/Small Tank)"};
  const std::string kWhich = "tanks.zip holds 2 patches. Add which?";
  const struct {
    const char* what;
    std::optional<std::size_t> which;
    std::vector<std::optional<std::string>> names;  // the answers to the name questions
    Texts asked;
    const char* added;  // the folder added, nullptr for none
  } kRounds[] = {
      {"which cancelled", std::nullopt, {}, {kWhich}, nullptr},
      {"name cancelled", 0, {std::nullopt}, {kWhich, kBigTankTaken}, nullptr},
      {"another name, blanks around it", 0, {"  Big Tank 2 "}, {kWhich, kBigTankTaken}, "Big Tank 2"},
      {"a name no folder can have, then a free one",
       0,
       {"CON", "Big Tank 3"},
       {kWhich, kBigTankTaken, "CON cannot be the name of a patch folder.\nAdd the patch as:"},
       "Big Tank 3"},
      {"a free name", 1, {}, {kWhich}, "Small Tank"},
  };
  for (const auto& round : kRounds) {
    SCOPED_TRACE(round.what);
    view_.questions.clear();
    view_.choicesOffered.clear();
    jobs_.shownLines.clear();
    view_.choiceAnswers = {round.which};
    view_.textAnswers.assign(round.names.begin(), round.names.end());
    presenter_->Dropped({tanks});
    EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
    EXPECT_EQ(view_.questions, round.asked);
    EXPECT_EQ(view_.choicesOffered, std::vector<Texts>{kChoices});
    if (!round.added) {
      EXPECT_EQ(WorkFolder(), before);
      EXPECT_TRUE(jobs_.shownLines.empty()) << jobs_.shownLines.front();
      continue;
    }
    EXPECT_TRUE(fs::is_directory(Work() / round.added));
    EXPECT_EQ(std::string(LineName(PickedPatch())), round.added);
  }
  EXPECT_EQ(view_.textsOffered, (Texts{"Big Tank", "Big Tank", "Big Tank", "CON"})) << "each asked from the name refused";
  EXPECT_EQ(temp_.read("game/Simpatch/Big Tank 2/060E9000.dml"), "new tank");
  EXPECT_EQ(temp_.read("game/Simpatch/Small Tank/06109000.dml"), "small");

  jobs_.shownLines.clear();
  view_.archiveChosen.reset();
  presenter_->Clicked(Control::AddArchive);
  EXPECT_EQ(view_.archiveDialogs, 1);
  EXPECT_TRUE(jobs_.shownLines.empty()) << "a cancelled dialog tells nothing";
}

// One archive that adds nothing is told in the outcome line and a box, and the next one
// dropped with it is still added.
TEST_F(ArchivePresenterTest, AnArchiveThatAddsNothingIsToldAndTheOthersDroppedWithItAreAdded) {
  const std::string pictures = Download("pictures", {{"shots/one.jpg", "jpeg"}});
  presenter_->Dropped({pictures, BigGun()});
  EXPECT_EQ(view_.messages, Texts{"pictures.zip holds no patch (no ????9000.dml file)"});
  EXPECT_EQ(jobs_.shownLines,
            (Texts{"Nothing is added: pictures.zip holds no patch (no ????9000.dml file)", kBigGunAdded}));
  EXPECT_EQ(PickedPatch(), "0620 Big Gun");
}

// A large patch tells its progress until it is whole; a cancel stops the unpacking, leaves
// nothing behind and tells nothing. The box comes down either way.
TEST_F(ArchivePresenterTest, ALargePatchShowsItsProgressAndItsCancelLeavesNothing) {
  // Large unpacked, small packed: the disk is not kept busy writing the archive.
  const std::string huge = Download("huge", {{"Huge/06209000.dml", "shape"}, {"Huge/0620.vol", std::string(21 << 20, 'v')}});
  const std::set<std::string> before = WorkFolder();
  view_.cancelProgressAt = 1;
  presenter_->Dropped({huge});
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
  EXPECT_EQ(WorkFolder(), before);
  EXPECT_TRUE(jobs_.shownLines.empty()) << jobs_.shownLines.front();
  EXPECT_FALSE(view_.progressUp);
  ASSERT_FALSE(view_.progress.empty());
  EXPECT_EQ(view_.progress.front(), std::make_pair(std::string("Unpacking Huge ..."), 0));

  view_.progress.clear();
  view_.cancelProgressAt.reset();
  presenter_->Dropped({huge});
  EXPECT_FALSE(view_.progressUp);
  ASSERT_GT(view_.progress.size(), 2u);
  EXPECT_EQ(view_.progress.back().second, 1000);
  for (std::size_t i = 1; i < view_.progress.size(); ++i) {
    EXPECT_LE(view_.progress[i - 1].second, view_.progress[i].second) << "step " << i;
  }
  EXPECT_EQ(fs::file_size(Work() / "Huge" / "0620.vol"), 21u << 20);
  EXPECT_EQ(PickedPatch(), "0620 Huge");
}

// The patch is added at once; the list, which a scan reads again only once no job runs, picks
// it when the running job has ended.
TEST_F(ArchivePresenterTest, APatchAddedWhileAJobRunsIsPickedOnceTheJobHasEnded) {
  Pick(Control::ListBox1, "060E Big Tank");
  Pick(Control::ListBox2, SlotLine("0612"));
  presenter_->Clicked(Control::v);
  ASSERT_TRUE(jobs_.Busy());
  view_.archiveChosen = BigGun();
  presenter_->Clicked(Control::AddArchive);
  EXPECT_TRUE(fs::is_directory(Work() / "Big Gun"));
  EXPECT_EQ(jobs_.shownLines.back(), kBigGunAdded);
  EXPECT_EQ(PickedPatch(), "060E Big Tank") << "not before the job has ended";
  jobs_.End();
  EXPECT_TRUE(view_.messages.empty()) << view_.messages.front();
  EXPECT_EQ(PickedPatch(), "0620 Big Gun");
}

// The new patch comes into sight: a filter that would hide it gives way, one that shows it stays.
TEST_F(ArchivePresenterTest, AFilterThatWouldHideTheNewPatchGivesWay) {
  const std::string bigGun = BigGun();
  const struct {
    const char* filter;
    const char* left;
  } kFilters[] = {{"tank", ""}, {"GUN", "GUN"}};
  for (const auto& f : kFilters) {
    SCOPED_TRACE(f.filter);
    fs::remove_all(Work() / "Big Gun");
    view_.Type(Control::PatchFilter, f.filter);
    presenter_->Dropped({bigGun});
    EXPECT_EQ(view_.Text(Control::PatchFilter), f.left);
    EXPECT_EQ(PickedPatch(), "0620 Big Gun");
  }
}

}  // namespace
}  // namespace vantrel::testing
