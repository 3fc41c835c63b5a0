#pragma once
// The program's one window: three lists (Available patches, Destination slots, Active
// patches), the chosen combination, the preview, the FM/DM controls and the two big buttons.
// The controls carry the names of the layout; the handlers carry the names of the system and
// leave the work to the catalogue and the engine.
#include <QWidget>

#include <functional>
#include <string>

#include "engine/job_plan.h"
#include "engine/session.h"
#include "rbext/message_hook.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace vantrel {

class EntryListView;
class GrowingPanel;
class JobPanel;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(Session& session, QWidget* parent = nullptr);
  ~TForm1() override;

  // Where error texts and the shell's failure texts go; ShowMessageBox unless replaced.
  void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }

  // Handlers. Each raises what the catalogue or the engine raises; the events run them
  // through the default error handler.
  void Loadpatches();
  void refreshpatches();
  void getslots();
  void updedit();
  void slotClicked();   // a click in Destination slots: updedit once a patch is picked
  void patchClicked();  // a click in Available patches: updedit, and its own slots in view
  void turnPatchOn();
  void turnPatchOff();
  void getactivepatch();
  void actpatches();
  void chgFMYesNo();
  void CheckBox2Click();
  void CheckBox3Click();
  void CheckBox4Click();
  void FMDMavailClick();
  void pathChange();
  void addArchive();  // "Add patch from archive...": a file dialog, then AddPatchArchive
  // Unpacks a patch of the archive into the working folder (asking which, when it holds
  // several, and for another name when its own is taken) and picks the new patch.
  void AddPatchArchive(const std::string& archivePath);

  // Controls, by their layout names.
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QComboBox* path = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* AddArchive = nullptr;  // ours: beside Refresh Patch list
  EntryListView* ListBox1 = nullptr;
  EntryListView* ListBox2 = nullptr;
  EntryListView* ListBox3 = nullptr;
  QRadioButton* FMDMavail = nullptr;
  QLineEdit* Edit1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QCheckBox* CheckBox3 = nullptr;
  QCheckBox* CheckBox4 = nullptr;
  QPushButton* v = nullptr;
  QPushButton* Button4 = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QLabel* Image = nullptr;
  // Ours, not the layout's: under Available patches and Active patches, shown only while a
  // list leaves entries out for its cap.
  QLabel* UnlistedPatches = nullptr;
  QLabel* UnlistedActive = nullptr;
  // Above Available patches and Destination slots: what the list shows, by code or name.
  QLineEdit* PatchFilter = nullptr;
  QLineEdit* SlotFilter = nullptr;
  // The running job's console, its Continue button and its outcome line.
  JobPanel* Jobs = nullptr;
  QTabWidget* Notes = nullptr;  // the job's console and the patch's readme
  QPlainTextEdit* Readme = nullptr;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  void ConnectEvents();
  // The remembered place (else the reference one), fitted to the screen it is on; once the
  // window is up, maximised again when it was left maximised.
  void PlaceWindow();
  void Handle(void (TForm1::*handler)());
  void Handle(const std::function<void()>& handler);
  void ShowMessage(const std::string& text) const;
  void MarkOwnModelFiles();
  void ShowPreview(const std::string& folder);
  void ShowReadme(const std::string& folder);
  void ShowUnlisted();
  void StartJob(const JobPlan& plan, const std::string& success);
  void AfterJob();
  // A job asked for while another runs is put off, with the entries picked for it.
  bool PutOffWhileAJobRuns(void (TForm1::*handler)());

  Session& session_;
  Catalogue& cat_;
  GrowingPanel* content_ = nullptr;
  MessageHook messageHook_;
  bool activatedOnce_ = false;
};

}  // namespace vantrel
