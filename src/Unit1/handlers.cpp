// TForm1's handlers: thin steps over the catalogue and the engine.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "Unit1/entry_list_view.h"
#include "Unit1/form.h"
#include "Unit1/job_panel.h"
#include "Unit1/layout_constants.h"
#include "Unit1/patch_readme.h"
#include "Unit1/qt_picture.h"
#include "Unit1/qt_text.h"
#include "Unit1/question_box.h"
#include "Unit1/working_caption.h"
#include "catalogue/accessors.h"
#include "catalogue/scan.h"
#include "engine/activation.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/process.h"
#include "rbext/run_shell.h"
#include "rbext/text_utils.h"
#include "window/preview.h"

namespace vantrel {

namespace {
constexpr const char* kVolumePatchCode = "0099";
constexpr const char* kPickAPatchFirst = "Pick a patch in Available patches first.";
}  // namespace

void TForm1::Loadpatches() {
  setWindowTitle(ToQt("Vantrel : " + LowerName(SplitPath(platform::OwnPath()).folder)));
  refreshpatches();
  getslots();
  Image->setPixmap(QPixmap());
  // The box names the folder the lists are of; set quietly, as it names no new folder.
  const QSignalBlocker quiet(path);
  path->setEditText(ToQt(platform::SplitLastComponent(platform::CurrentDirectory()).name));
}

void TForm1::refreshpatches() { RefreshPatchList(cat_); }

void TForm1::getslots() { FillDestinationSlots(cat_); }

void TForm1::updedit() {
  getslots();
  if (!cat_.ListBox1.Selected()) cat_.ListBox1.Select(0);
  if (!cat_.ListBox2.Selected()) cat_.ListBox2.Select(0);

  const std::string code = PatchCode(cat_);
  const bool volumePatch = code == kVolumePatchCode;
  if (volumePatch) {
    Edit1->setText(ToQt(code + " this is a RB vol-file patch..."));
  } else {
    Edit1->setText(ToQt(code + " " + PatchFolder(cat_) + " ==> " + cat_.ListBox2.SelectedText()));
  }
  Edit1->home(false);  // show the combination from its start
  ListBox2->setEnabled(!volumePatch);  // a volume patch goes to no slot

  const bool modelFiles = platform::FileExists("fmparam3.dat");
  CheckBox1->setEnabled(modelFiles);
  CheckBox1->setToolTip(modelFiles ? "FMparam3.dat available, FM modification possible"
                                   : "FMparam3.dat UNavailable, FM modification NOT possible");

  ShowPreview(PatchFolder(cat_));
  ShowReadme(PatchFolder(cat_));
  MarkOwnModelFiles();
  Image->adjustSize();  // the scroll box scrolls when the picture is larger
}

void TForm1::ShowPreview(const std::string& folder) {
  const auto picture = PreviewPictureFor(folder);
  if (!picture) return;
  Image->setPixmap(QPixmap::fromImage(ToQImage(LoadPicture(*picture))));
}

void TForm1::ShowReadme(const std::string& folder) {
  const std::optional<std::string> text = PatchReadme(folder);
  Readme->setPlainText(text ? ToQt(*text) : QString());
  // The job's console stays in front while a job runs.
  if (text && !Jobs->Busy()) Notes->setCurrentWidget(Readme);
}

void TForm1::MarkOwnModelFiles() {
  FMDMavail->setChecked(platform::FileExists(".\\" + PatchFolder(cat_) + "\\fmparam3.dat"));
}

bool TForm1::PutOffWhileAJobRuns(void (TForm1::*handler)()) {
  if (!Jobs->Busy()) return false;
  const auto picked = [](const EntryList& list) { return list.Selected() ? list.SelectedText() : std::string(); };
  Jobs->WhenIdle([this, handler, patch = picked(cat_.ListBox1), slot = picked(cat_.ListBox2),
                  active = picked(cat_.ListBox3)] {
    for (auto [list, text] : {std::pair{&cat_.ListBox1, patch}, {&cat_.ListBox2, slot}, {&cat_.ListBox3, active}}) {
      if (auto found = list->FindIgnoringCase(text); found && !text.empty()) list->Select(*found);
    }
    Handle(handler);
  });
  return true;
}

void TForm1::StartJob(const JobPlan& plan, const std::string& success) {
  Notes->setCurrentWidget(Jobs->console);
  Jobs->Start(ShellExecutableFor(session_.shellProgram), plan, success);
}

// Once a job has ended its markers are on disk: both patch lists show what it did.
void TForm1::AfterJob() { refreshpatches(); }

void TForm1::turnPatchOn() {
  if (PutOffWhileAJobRuns(&TForm1::turnPatchOn)) return;
  if (!UserAllowsActivation(session_)) return;  // a "no" leaves everything as it was
  WorkingCaption caption(v, "Working......");
  const JobPlan plan = [&] {
    try {
      return WriteActivationScript(session_);
    } catch (const ListIndexError& error) {
      // The system's text alone leaves a new user guessing what to do.
      throw Error(std::string(error.what()) + "\n" + kPickAPatchFirst);
    }
  }();
  // "FE2b Fighter is active in 0305  Halberstadt D.2"; a volume patch takes no slot, and a
  // patch of a class without files to install leaves no marker.
  std::string success = plan.script + " has run; it installs nothing for " + PatchFolder(cat_) + ".";
  if (!plan.marker.empty()) {
    success = PatchFolder(cat_) + " is active" + (plan.script == "0099.bat" ? "" : " in " + cat_.ListBox2.SelectedText());
  }
  StartJob(plan, success);
  ListActivePatches(cat_);
  caption.Finish(kActivateCaption);
  updedit();
  getactivepatch();
}

void TForm1::turnPatchOff() {
  if (PutOffWhileAJobRuns(&TForm1::turnPatchOff)) return;
  WorkingCaption caption(Button4, "Deactivating..");
  if (const std::optional<JobPlan> plan = WriteDeactivationScript(session_)) {
    StartJob(*plan, cat_.ListBox3.SelectedText() + " is removed");
  }
  ListActivePatches(cat_);
  refreshpatches();
  caption.Finish("Deactivate selected");  // lower-case "s" from the first use on
  updedit();
}

// Among 774 slots, those of the object the patch was made for are the likely choice.
void TForm1::patchClicked() {
  updedit();
  const std::string code = PatchCode(cat_);
  const std::vector<std::string>& lines = cat_.ListBox2.Items();
  for (std::size_t row = 0; row < lines.size(); ++row) {
    if (platform::SameNameIgnoringCase(lines[row].substr(0, code.size()), code)) {
      ListBox2->scrollTo(ListBox2->model()->index(static_cast<int>(row), 0), QAbstractItemView::PositionAtTop);
      return;
    }
  }
}

// Before a patch is picked, a slot is only a slot: picking the first patch for the user
// could install a volume patch that replaces game archives.
void TForm1::slotClicked() {
  if (cat_.ListBox1.Selected()) updedit();
}

void TForm1::getactivepatch() { ListActivePatches(cat_); }

void TForm1::actpatches() { ListActivePatches(cat_); }

// The flag is flipped, not read from the check mark: the two can disagree, and the flag
// is what the engine reads.
void TForm1::chgFMYesNo() {
  session_.fmdmChanging = !session_.fmdmChanging;
  for (QCheckBox* variant : {CheckBox2, CheckBox3, CheckBox4}) variant->setEnabled(session_.fmdmChanging);
}

void TForm1::CheckBox2Click() { session_.fmVariantFlags[0] = !session_.fmVariantFlags[0]; }
void TForm1::CheckBox3Click() { session_.fmVariantFlags[1] = !session_.fmVariantFlags[1]; }
void TForm1::CheckBox4Click() { session_.fmVariantFlags[2] = !session_.fmVariantFlags[2]; }

void TForm1::FMDMavailClick() { MarkOwnModelFiles(); }

// The four names address sibling folders of the working folder, so each new choice is taken
// relative to the folder the last one made current.
void TForm1::pathChange() {
  const std::string text = FromQt(path->currentText());
  // Only a plain folder name names a sibling. An emptied box, ".", ".." or a path would name
  // the game's folder or one above it, and the working folder, and with it the game tree
  // every job is kept inside, would leave the game's folders.
  if (text.empty() || text == "." || text == ".." || text.find_first_of("\\/") != std::string::npos) return;
  const std::string folder = "..\\" + text;
  if (!platform::DirectoryExists(folder)) return;
  platform::ChangeDirectory(folder);
  Loadpatches();
  setWindowTitle(ToQt("Vantrel :  " + text));
}

}  // namespace vantrel
