#pragma once
// The window's decisions, without a toolkit. A view builds the controls of the layout table,
// forwards their events here and does what the presenter asks through FormView. The handlers
// keep the system's names and steps; each event runs its handler through the default error
// handler (a raised error's text goes to the view's ShowMessage and ends the handler) and then
// brings the unlisted notes up to date.
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "archive/patch_archive.h"
#include "engine/session.h"
#include "games/game_search.h"
#include "engine/undo.h"
#include "platform/folder_lock.h"
#include "window/form_view.h"
#include "window/job_runner.h"
#include "window/status_worker.h"

namespace vantrel {

// What switching to another install of the game asks of the program: the installs found on
// this machine, its memory of the installs used before (game folders, most recent first),
// remembering the working folder entered (and its game), and its folder dialog (started
// after the reason `why` the last folder was refused, when not ""; "" for Cancel).
struct GameSwitching {
  std::function<games::SearchResult()> find;
  std::function<std::vector<std::string>()> remembered;
  std::function<void(const std::string& workingFolder)> remember;
  std::function<std::string(const std::string& why)> chooseFolder;
};

class FormPresenter {
 public:
  FormPresenter(Session& session, FormView& view, JobRunner& jobs);
  ~FormPresenter();  // the session's message hook goes with the view
  FormPresenter(const FormPresenter&) = delete;
  FormPresenter& operator=(const FormPresenter&) = delete;

  // Events from the view.
  void Activated();                   // the window became active: the first time loads the lists
  void Clicked(Control control);      // a button, check box or the radio button
  void Picked(Control list);          // a user's pick in a list, by mouse or keys
  void Entered(Control list);         // Return in a list, or Delete in Active patches: its job
  void FolderTextChanged();           // the folder box's text changed, typed or picked
  void RefreshKey();                  // F5: both patch lists again
  // Files dropped on the window: each one an archive to add a patch from, as if chosen in
  // the dialog of "Add patch from archive...".
  void Dropped(const std::vector<std::string>& files);
  void JobEnded();                    // the job runner has told a job's outcome: the folder is let go
  void RepairAsked();                 // "Repair" on the picked entry of Active patches
  // Whether "Repair" is offered: the picked entry of Active patches is marked, its patch's
  // files not all in place.
  bool RepairOffered() const;
  // The user closes the window: true when it may close now. A job never dies half done with
  // it: while one runs the user chooses to wait for it, to let it finish on its own with the
  // window gone, or to keep the window; either way the window closes by itself once the jobs
  // asked for before have ended and been logged.
  bool CloseAsked();
  // Without it, "Other game..." does nothing.
  void SetGameSwitching(GameSwitching switching) { gameSwitching_ = std::move(switching); }

  // The handlers, each raising what the catalogue or the engine raises.
  void Loadpatches();
  void recoverjobs();
  void refreshpatches();
  void getslots();
  void updedit();
  void patchClicked();
  void turnPatchOn();
  void turnPatchOff();
  void switchGame();
  void getactivepatch();
  void actpatches();
  void chgFMYesNo();
  void CheckBox2Click();
  void CheckBox3Click();
  void CheckBox4Click();
  void FMDMavailClick();
  void pathChange();
  void AfterJob();
  void addArchive();
  void openJobLog();
  void repairPatch();
  // The ways back: each a row of ordinary jobs (engine/undo.h), run one after another, the
  // next started as the one before ends and did all its work.
  void undoLastJob();
  void restoreGame();
  // "Patch sets...": save what is active, apply a set (a row of jobs as undo's), delete,
  // export and import.
  void patchSets();

 private:
  void Handle(void (FormPresenter::*handler)());
  void Handle(const std::function<void()>& handler);
  // Adding from an archive: what it raises is told as nothing added.
  void HandleAdding(const std::function<void()>& adding);
  // Unpacks a patch of the archive into the working folder, asking which when it holds
  // several and for another name when its own is refused, and picks the new patch.
  void AddPatchArchive(const std::string& archivePath);
  std::optional<std::size_t> WhichPatch(const std::string& archivePath, const std::vector<archive::FoundPatch>& found);
  std::optional<std::string> FreeFolderName(std::string name);
  // False when the user cancelled the unpacking, which leaves nothing.
  bool Unpacked(const std::string& archivePath, const archive::FoundPatch& patch, const std::string& name);
  void PickAddedPatch(const std::string& folder);
  void ShowUnlisted();
  // What the lists show beside their entries of who holds which slot and archive, from the
  // installed patches the last check read, shown again when either list changed. Nothing
  // before the first reading and from a job's end to the reading after it.
  void ShowHolders();
  void ShowInstalled(const std::optional<std::vector<InstalledPatch>>& installed);
  // Active patches was listed again: its status is checked once the handler has ended, in the
  // background, and not while a job runs (the list is refreshed once it has ended).
  void ActiveListed() { statusWanted_ = true; }
  void CheckStatusWhenWanted();
  void StartStatusCheck();
  void ShowStatus(const std::optional<GameStatus>& status, const std::string& failure);
  void MarkOwnModelFiles();
  // `waiting`, when not "", is told in the outcome line while the handler waits.
  bool PutOffWhileAJobRuns(void (FormPresenter::*handler)(), const std::string& waiting = "");
  static std::unique_ptr<platform::FolderLock> HoldFolderForJob();
  // Hands the job to the runner with the folder's lock, taken before the job was prepared.
  void StartJob(const JobPlan& plan, const std::string& success, std::unique_ptr<platform::FolderLock> folder);
  // The row of an undo or a restore: its first job started, the rest waiting in row_.
  void StartRow(std::vector<RowJob> steps, const std::string& name, bool restoring);
  void NextStep();
  // The patch set the user picks among those saved; none when there is none or the user cancels.
  std::optional<std::string> PickSet(const std::string& question);
  void applySet(const std::string& name);
  // Once the row has ended, `failed` or not: a restore tells what it could not restore.
  void EndRow(bool failed);

  Session& session_;
  Catalogue& cat_;
  FormView& view_;
  JobRunner& jobs_;
  bool activatedOnce_ = false;
  std::string runningScript_;  // the last job started, the one running while the runner is busy
  bool closeWaiting_ = false;  // the window closes once no job runs
  bool closing_ = false;  // the window's close was let through: no check starts any more
  // The working folder's lock while a job runs, kept until its outcome has been logged, so
  // that no other program's job runs in the folder meanwhile.
  std::unique_ptr<platform::FolderLock> jobFolder_;
  std::optional<std::string> shownPatch_;  // the patch line updedit showed last
  GameSwitching gameSwitching_;
  std::optional<std::vector<InstalledPatch>> installed_;
  // What ShowHolders showed the holders for: the Active patches entries and the number of
  // Destination slots lines; none once the installed patches were read again.
  std::optional<std::pair<std::vector<std::string>, int>> holdersOf_;
  bool statusWanted_ = false;
  bool statusQueued_ = false;  // a start of the check waits behind the window's events
  std::map<std::string, std::string> notInPlace_;  // the marked entries of Active patches, with why
  // Last: it stops its thread before the rest goes.
  StatusWorker status_;
  // The jobs of the undo or restore under way that have not started yet, its name for the
  // outcome line, how many it has in all, and whether it restores the game.
  std::deque<RowJob> row_;
  std::string rowName_;
  std::size_t rowLength_ = 0;
  bool restoring_ = false;
};

}  // namespace vantrel
