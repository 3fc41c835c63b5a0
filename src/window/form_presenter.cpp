// The presenter's events, the list handlers and what updedit shows. The job handlers are in
// form_jobs.cpp.
#include "window/form_presenter.h"

#include "catalogue/accessors.h"
#include "catalogue/scan.h"
#include "engine/recovery.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/process.h"
#include "rbext/text_utils.h"
#include "window/patch_readme.h"
#include "window/preview.h"
#include "window/run_handler.h"

namespace vantrel {

namespace {
constexpr const char* kVolumePatchCode = "0099";
constexpr Control kModelVariants[] = {Control::CheckBox2, Control::CheckBox3, Control::CheckBox4};
}  // namespace

FormPresenter::FormPresenter(Session& session, FormView& view, JobRunner& jobs)
    : session_(session), cat_(session.cat), view_(view), jobs_(jobs) {
  session_.showMessage = [this](const std::string& text) { view_.ShowMessage(text); };
  // The view starts from the layout table; what follows from the session is set here.
  for (Control variant : kModelVariants) view_.SetEnabled(variant, session_.fmdmChanging);
  ShowUnlisted();
}

FormPresenter::~FormPresenter() { session_.showMessage = nullptr; }

void FormPresenter::Handle(void (FormPresenter::*handler)()) {
  RunHandler([this](const std::string& text) { view_.ShowMessage(text); }, [this, handler] { (this->*handler)(); });
  // Any handler may have scanned or listed again, and one that failed may have got that far.
  ShowUnlisted();
}

// Only the first activation loads: coming back from a job's console or from one of our own
// message boxes must not rescan.
void FormPresenter::Activated() {
  if (activatedOnce_) return;
  activatedOnce_ = true;
  Handle(&FormPresenter::Loadpatches);
}

// AddArchive and the controls without a handler are the view's own business.
void FormPresenter::Clicked(Control control) {
  switch (control) {
    case Control::Button1:
      return Handle(&FormPresenter::refreshpatches);
    case Control::Button2:
      return Handle(&FormPresenter::getactivepatch);
    case Control::FMDMavail:
      return Handle(&FormPresenter::FMDMavailClick);
    case Control::CheckBox1:
      return Handle(&FormPresenter::chgFMYesNo);
    case Control::CheckBox2:
      return Handle(&FormPresenter::CheckBox2Click);
    case Control::CheckBox3:
      return Handle(&FormPresenter::CheckBox3Click);
    case Control::CheckBox4:
      return Handle(&FormPresenter::CheckBox4Click);
    case Control::v:
      return Handle(&FormPresenter::turnPatchOn);
    case Control::Button4:
      return Handle(&FormPresenter::turnPatchOff);
    default:
      return;
  }
}

void FormPresenter::Picked(Control list) {
  switch (list) {
    case Control::ListBox1:
      return Handle(&FormPresenter::patchClicked);
    case Control::ListBox2:
      return Handle(&FormPresenter::slotClicked);
    case Control::ListBox3:
      return Handle(&FormPresenter::actpatches);
    default:
      return;
  }
}

// Keys do what the buttons do, through the same handlers.
void FormPresenter::Entered(Control list) {
  switch (list) {
    case Control::ListBox1:
    case Control::ListBox2:
      return Handle(&FormPresenter::turnPatchOn);
    case Control::ListBox3:
      return Handle(&FormPresenter::turnPatchOff);
    default:
      return;
  }
}

void FormPresenter::FolderTextChanged() { Handle(&FormPresenter::pathChange); }

void FormPresenter::RefreshKey() {
  Handle(&FormPresenter::refreshpatches);
  Handle(&FormPresenter::getactivepatch);
}

// The runner calls this once the job's outcome has been checked and logged; the lists are
// read again under the job's lock, and only then may another job have the folder.
void FormPresenter::JobEnded() {
  Handle(&FormPresenter::AfterJob);
  jobFolder_.reset();
}

// Jobs cut short before are finished or undone first, so that the lists show the game as whole
// jobs left it. Recovery that fails is told, and the lists still show what is there.
void FormPresenter::Loadpatches() {
  view_.SetTitle(std::string(kWindowTitle) + " : " + LowerName(SplitPath(platform::OwnPath()).folder));
  Handle(&FormPresenter::recoverjobs);
  refreshpatches();
  getslots();
  view_.ShowPicture(std::nullopt);
  view_.SetText(Control::path, platform::SplitLastComponent(platform::CurrentDirectory()).name);
}

// A running job's shell holds the folder's lock until it ends, its pauses included: a scan
// asked for meanwhile would wait for it with the window stopped, so it waits in line.
void FormPresenter::refreshpatches() {
  if (PutOffWhileAJobRuns(&FormPresenter::refreshpatches)) return;
  RefreshPatchList(cat_);
}

// A job of this window that is running is in the ledger as cut short: recovering now would undo it.
void FormPresenter::recoverjobs() {
  if (PutOffWhileAJobRuns(&FormPresenter::recoverjobs)) return;
  for (const std::string& told : RecoverJobs()) view_.ShowMessage(told);
}

void FormPresenter::getslots() { FillDestinationSlots(cat_); }

void FormPresenter::updedit() {
  getslots();
  if (!cat_.ListBox1.Selected()) cat_.ListBox1.Select(0);
  if (!cat_.ListBox2.Selected()) cat_.ListBox2.Select(0);

  const std::string code = PatchCode(cat_);
  const bool volumePatch = code == kVolumePatchCode;
  if (volumePatch) {
    view_.SetText(Control::Edit1, code + " this is a RB vol-file patch...");
  } else {
    view_.SetText(Control::Edit1, code + " " + PatchFolder(cat_) + " ==> " + cat_.ListBox2.SelectedText());
  }
  view_.ShowFromStart(Control::Edit1);
  view_.SetEnabled(Control::ListBox2, !volumePatch);  // a volume patch goes to no slot

  const bool modelFiles = platform::FileExists("fmparam3.dat");
  view_.SetEnabled(Control::CheckBox1, modelFiles);
  view_.SetHint(Control::CheckBox1, modelFiles ? "FMparam3.dat available, FM modification possible"
                                               : "FMparam3.dat UNavailable, FM modification NOT possible");

  const std::string folder = PatchFolder(cat_);
  // Without a picture of its own or a default one, the last picture stays.
  if (const std::optional<std::string> picture = PreviewPictureFor(folder)) view_.ShowPicture(picture);
  const std::optional<std::string> readme = PatchReadme(folder);
  view_.ShowReadme(readme, readme && !jobs_.Busy());  // the job's notes stay in front while it runs
  MarkOwnModelFiles();
}

void FormPresenter::MarkOwnModelFiles() {
  view_.SetChecked(Control::FMDMavail, platform::FileExists(".\\" + PatchFolder(cat_) + "\\fmparam3.dat"));
}

// Among 774 slots, those of the object the patch was made for are the likely choice.
void FormPresenter::patchClicked() {
  updedit();
  const std::string code = PatchCode(cat_);
  const std::vector<std::string>& lines = cat_.ListBox2.Items();
  for (std::size_t row = 0; row < lines.size(); ++row) {
    if (platform::SameNameIgnoringCase(lines[row].substr(0, code.size()), code)) {
      view_.ScrollToTop(Control::ListBox2, row);
      return;
    }
  }
}

// Before a patch is picked, a slot is only a slot: picking the first patch for the user
// could install a volume patch that replaces game archives.
void FormPresenter::slotClicked() {
  if (cat_.ListBox1.Selected()) updedit();
}

void FormPresenter::getactivepatch() { ListActivePatches(cat_); }

void FormPresenter::actpatches() { ListActivePatches(cat_); }

// The flag is flipped, not read from the check mark: the two can disagree, and the flag
// is what the engine reads.
void FormPresenter::chgFMYesNo() {
  session_.fmdmChanging = !session_.fmdmChanging;
  for (Control variant : kModelVariants) view_.SetEnabled(variant, session_.fmdmChanging);
}

void FormPresenter::CheckBox2Click() { session_.fmVariantFlags[0] = !session_.fmVariantFlags[0]; }
void FormPresenter::CheckBox3Click() { session_.fmVariantFlags[1] = !session_.fmVariantFlags[1]; }
void FormPresenter::CheckBox4Click() { session_.fmVariantFlags[2] = !session_.fmVariantFlags[2]; }

void FormPresenter::FMDMavailClick() { MarkOwnModelFiles(); }

// The four names address sibling folders of the working folder, so each new choice is taken
// relative to the folder the last one made current. A running job's outcome is checked in the
// working folder once it ends, so the folder changes only after that.
void FormPresenter::pathChange() {
  if (PutOffWhileAJobRuns(&FormPresenter::pathChange)) return;
  const std::string text = view_.Text(Control::path);
  // Only a plain folder name names a sibling. An emptied box, ".", ".." or a path would name
  // the game's folder or one above it, and the working folder, and with it the game tree
  // every job is kept inside, would leave the game's folders.
  if (text.empty() || text == "." || text == ".." || text.find_first_of("\\/") != std::string::npos) return;
  const std::string folder = "..\\" + text;
  if (!platform::DirectoryExists(folder)) return;
  platform::ChangeDirectory(folder);
  Loadpatches();
  view_.SetTitle(std::string(kWindowTitle) + " :  " + text);
}

// "76 more not listed (at most 1024)"; hidden when nothing is left out.
void FormPresenter::ShowUnlisted() {
  const struct {
    Control note;
    int unlisted;
    int cap;
  } kNotes[] = {{Control::UnlistedPatches, cat_.unlistedPatchFolders, kMaxPatchFolders},
                {Control::UnlistedActive, cat_.unlistedMarkers, kMaxActiveEntries}};
  for (const auto& n : kNotes) {
    view_.SetShown(n.note, n.unlisted > 0);
    if (n.unlisted > 0) {
      view_.SetText(n.note, std::to_string(n.unlisted) + " more not listed (at most " + std::to_string(n.cap) + ")");
    }
  }
}

}  // namespace vantrel
