// The presenter's events, the list handlers and what updedit shows. The job handlers are in
// form_jobs.cpp.
#include "window/form_presenter.h"

#include "catalogue/list_line.h"
#include "catalogue/scan.h"
#include "engine/code_fields.h"
#include "engine/installed.h"
#include "engine/recovery.h"
#include "engine/working_folder.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/process.h"
#include "rbext/text_utils.h"
#include "window/patch_readme.h"
#include "window/preview.h"
#include "window/run_handler.h"
#include "window/slot_holders.h"

namespace vantrel {

namespace {
constexpr const char* kNothingPicked = "none";  // Edit1's text before any pick
constexpr Control kModelVariants[] = {Control::CheckBox2, Control::CheckBox3, Control::CheckBox4};

// The window reads its picks here, never through the accessors, whose first-entry default
// would pick for the user.
std::optional<std::string> PickedLine(const EntryList& list) {
  if (!list.Selected()) return std::nullopt;
  return list.SelectedText();
}

// "031F FE2b Fighter ==> 0305  Halberstadt D.2": the picks as they are, "none" for either
// that is not made.
std::string Combination(const Catalogue& cat) {
  const std::optional<std::string> patch = PickedLine(cat.ListBox1);
  if (!patch) return kNothingPicked;
  const std::string code(LineCode(*patch));
  if (code == kVolumePatchCode) return code + " this is a RB vol-file patch...";
  return code + " " + std::string(LineName(*patch)) + " ==> " + PickedLine(cat.ListBox2).value_or(kNothingPicked);
}

}  // namespace

FormPresenter::FormPresenter(Session& session, FormView& view, JobRunner& jobs)
    : session_(session),
      cat_(session.cat),
      view_(view),
      jobs_(jobs),
      status_([this](std::function<void()> task) { view_.RunOnWindowThread(std::move(task)); }) {
  session_.showMessage = [this](const std::string& text) { view_.ShowMessage(text); };
  // The view starts from the layout table; what follows from the session is set here.
  for (Control variant : kModelVariants) view_.SetEnabled(variant, session_.fmdmChanging);
  ShowUnlisted();
}

FormPresenter::~FormPresenter() { session_.showMessage = nullptr; }

void FormPresenter::Handle(void (FormPresenter::*handler)()) {
  Handle([this, handler] { (this->*handler)(); });
}

void FormPresenter::Handle(const std::function<void()>& handler) {
  RunHandler([this](const std::string& text) { view_.ShowMessage(text); }, handler);
  // Any handler may have scanned or listed again, and one that failed may have got that far.
  ShowUnlisted();
  ShowHolders();
  CheckStatusWhenWanted();
}

// Only the first activation loads: coming back from a job's console or from one of our own
// message boxes must not rescan.
void FormPresenter::Activated() {
  if (activatedOnce_) return;
  activatedOnce_ = true;
  Handle(&FormPresenter::Loadpatches);
}

// The controls without a handler are the view's own business.
void FormPresenter::Clicked(Control control) {
  switch (control) {
    case Control::Button1:
      return Handle(&FormPresenter::refreshpatches);
    case Control::AddArchive:
      return HandleAdding([this] { addArchive(); });
    case Control::JobLog:
      return Handle(&FormPresenter::openJobLog);
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
    case Control::Game:
      return Handle(&FormPresenter::switchGame);
    case Control::UndoJob:
      return Handle(&FormPresenter::undoLastJob);
    case Control::RestoreGame:
      return Handle(&FormPresenter::restoreGame);
    case Control::PatchSets:
      return Handle(&FormPresenter::patchSets);
    default:
      return;
  }
}

void FormPresenter::Picked(Control list) {
  switch (list) {
    case Control::ListBox1:
      return Handle(&FormPresenter::patchClicked);
    case Control::ListBox2:
      return Handle(&FormPresenter::updedit);
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

// Jobs cut short before are finished or undone first, so that the lists show the game as whole
// jobs left it. Recovery that fails is told, and the lists still show what is there. The
// patches and markers picked in another folder are not this one's: the folder starts with
// none picked and shows none (updedit clears the preview).
void FormPresenter::Loadpatches() {
  installed_.reset();
  holdersOf_.reset();
  view_.SetTitle(std::string(kWindowTitle) + " : " + LowerName(SplitPath(platform::OwnPath()).folder));
  Handle(&FormPresenter::recoverjobs);
  cat_.ListBox1.ClearSelection();
  cat_.ListBox3.ClearSelection();
  refreshpatches();
  getslots();
  updedit();
  view_.SetText(Control::path, platform::SplitLastComponent(platform::CurrentDirectory()).name);
}

// A running job's shell holds the folder's lock until it ends, its pauses included: a scan
// asked for meanwhile would wait for it with the window stopped, so it waits in line. The
// picked patch stays picked while it is listed, as the picked active patch does; one that
// is gone leaves nothing picked and nothing shown of it.
void FormPresenter::refreshpatches() {
  if (PutOffWhileAJobRuns(&FormPresenter::refreshpatches)) return;
  const std::optional<std::string> picked = PickedLine(cat_.ListBox1);
  // The first refresh takes the patch folders read ahead at start-up, the others read.
  RefreshPatchList(cat_, session_.patchFoldersAhead.Take());
  ActiveListed();
  if (!picked) return;
  cat_.ListBox1.Reselect(*picked);
  if (!cat_.ListBox1.Selected()) updedit();
}

// A job of this window that is running is in the ledger as cut short: recovering now would undo it.
void FormPresenter::recoverjobs() {
  if (PutOffWhileAJobRuns(&FormPresenter::recoverjobs)) return;
  std::vector<std::string> recovered;
  try {
    recovered = RecoverJobs();
  } catch (...) {
    session_.patchFoldersAhead.Forget();  // it may have changed the folder halfway
    throw;
  }
  // What was read ahead was read before the recovery changed the folder.
  if (!recovered.empty()) session_.patchFoldersAhead.Forget();
  for (const std::string& told : recovered) view_.ShowMessage(told);
}

void FormPresenter::getslots() { FillDestinationSlots(cat_); }

// What the window shows follows the picks alone, and picks nothing for the user.
void FormPresenter::updedit() {
  getslots();
  view_.SetText(Control::Edit1, Combination(cat_));
  view_.ShowFromStart(Control::Edit1);
  const std::optional<std::string> patch = PickedLine(cat_.ListBox1);
  // A volume patch goes to no slot.
  view_.SetEnabled(Control::ListBox2, !patch || LineCode(*patch) != kVolumePatchCode);

  const bool modelFiles = platform::FileExists("fmparam3.dat");
  view_.SetEnabled(Control::CheckBox1, modelFiles);
  view_.SetHint(Control::CheckBox1, modelFiles ? "FMparam3.dat available, FM modification possible"
                                               : "FMparam3.dat UNavailable, FM modification NOT possible");

  const std::optional<std::string> folder = patch ? std::optional(std::string(LineName(*patch))) : std::nullopt;
  const std::optional<std::string> readme = folder ? PatchReadme(*folder) : std::nullopt;
  // A newly picked patch's readme comes to the front, unless a job's notes are there.
  const bool newPatch = patch != shownPatch_;
  shownPatch_ = patch;
  view_.ShowReadme(readme, readme && newPatch && !jobs_.Busy());
  MarkOwnModelFiles();
  // Last: a picture that cannot be decoded ends the handler, with the rest shown already.
  const std::optional<std::string> picture = folder ? PreviewPictureFor(*folder) : std::nullopt;
  try {
    view_.ShowPicture(picture);
  } catch (...) {
    view_.ShowPicture(std::nullopt);  // not the last patch's picture
    throw;
  }
}

void FormPresenter::MarkOwnModelFiles() {
  const std::optional<std::string> patch = PickedLine(cat_.ListBox1);
  view_.SetChecked(Control::FMDMavail,
                   patch && platform::FileExists(".\\" + std::string(LineName(*patch)) + "\\fmparam3.dat"));
}

// A slot the user has picked stays in sight with the patch, so that a job never goes where
// the user cannot see. Before one is picked, the slots of the object the patch was made for
// are the likely choice among 774.
void FormPresenter::patchClicked() {
  updedit();
  if (const std::optional<int> slot = cat_.ListBox2.Selected()) {
    return view_.KeepInView(Control::ListBox2, static_cast<std::size_t>(*slot));
  }
  const std::optional<std::string> patch = PickedLine(cat_.ListBox1);
  if (!patch) return;
  const std::string_view code = LineCode(*patch);
  const std::vector<std::string>& lines = cat_.ListBox2.Items();
  for (std::size_t row = 0; row < lines.size(); ++row) {
    if (platform::SameNameIgnoringCase(LineCode(lines[row]), code)) {
      view_.ScrollToTop(Control::ListBox2, row);
      return;
    }
  }
}

void FormPresenter::getactivepatch() {
  ListActivePatches(cat_);
  ActiveListed();
}

void FormPresenter::actpatches() {
  ListActivePatches(cat_);
  ActiveListed();
}

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
  const std::string text = view_.Text(Control::path);
  // Only a plain folder name names a sibling. An emptied box, ".", ".." or a path would name
  // the game's folder or one above it, and the working folder, and with it the game tree
  // every job is kept inside, would leave the game's folders.
  if (text.empty() || text == "." || text == ".." || text.find_first_of("\\/") != std::string::npos) return;
  const std::string folder = "..\\" + text;
  if (!platform::DirectoryExists(folder)) return;
  if (PutOffWhileAJobRuns(&FormPresenter::pathChange, "The change to " + text + " waits for the running job.")) {
    return;
  }
  // A sibling that is none of the game's working folders is refused; the box keeps the text
  // for the user to change.
  // The check reads the game from the current folder.
  status_.Stop();
  if (const std::string why = EnterIfWorkingFolder(folder, text); !why.empty()) {
    view_.ShowMessage(why);
    return;
  }
  Loadpatches();
  view_.SetTitle(std::string(kWindowTitle) + " :  " + text);
}

void FormPresenter::ShowHolders() {
  std::pair<std::vector<std::string>, int> listed{cat_.ListBox3.Items(), cat_.ListBox2.Count()};
  if (holdersOf_ == listed) return;
  holdersOf_ = std::move(listed);
  HolderAsides asides = installed_ ? HolderAsidesOf(*installed_, cat_.ListBox2.Items()) : HolderAsides{};
  cat_.ListBox3.SetAsides(std::move(asides.active));
  cat_.ListBox2.SetAsides(std::move(asides.slots));
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
