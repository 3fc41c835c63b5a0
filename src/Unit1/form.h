#pragma once
// The program's one window in Qt: a thin view over the presenter. It makes the controls of the
// layout table, forwards their signals to the presenter's events and does what the presenter
// asks through FormView. Its own business: where the window goes on the screen, the keys and
// filter lines of the lists, the files dropped on Available patches.
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/session.h"
#include "rbext/message_hook.h"
#include "window/form_presenter.h"
#include "window/form_view.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressDialog;
class QTabWidget;

namespace vantrel {

class EntryListView;
class GrowingPanel;
class JobPanel;

class TForm1 : public QWidget, public FormView {
  Q_OBJECT

 public:
  explicit TForm1(Session& session, QWidget* parent = nullptr);
  ~TForm1() override;

  // Where error texts and the shell's failure texts go; ShowMessageBox unless replaced.
  void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
  void SetGameSwitching(GameSwitching switching);
  FormPresenter& Presenter() { return *presenter_; }

  // FormView, over the controls of the layout table.
  void SetTitle(const std::string& title) override;
  void SetText(Control control, const std::string& text) override;
  std::string Text(Control control) const override;
  void SetEnabled(Control control, bool enabled) override;
  void SetChecked(Control control, bool checked) override;
  void SetHint(Control control, const std::string& hint) override;
  void SetShown(Control control, bool shown) override;
  void ShowFromStart(Control line) override;
  void ScrollToTop(Control list, std::size_t row) override;
  void KeepInView(Control list, std::size_t row) override;
  void ShowPicture(const std::optional<std::string>& file) override;
  void ShowReadme(const std::optional<std::string>& text, bool toFront) override;
  bool Ask(const std::string& question, const std::string& details) override;
  void ShowMessage(const std::string& text) override;
  Reply AskOrCancel(const std::string& question) override;
  std::optional<std::string> ChooseArchive() override;
  std::optional<std::string> ChooseSetFile(bool toSave) override;
  std::optional<std::size_t> Choose(const std::string& question, const std::vector<std::string>& choices) override;
  std::optional<std::string> AskText(const std::string& question, const std::string& text) override;
  bool ShowProgress(const std::string& what, int thousandths) override;
  void EndProgress() override;
  bool OpenInSystemProgram(const std::string& file) override;
  void ShowLog(const std::string& text) override;
  void Hide() override;
  void Close() override;
  void MarkEntries(Control list, const std::map<std::string, std::string>& reasons) override;
  void RunOnWindowThread(std::function<void()> task) override;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  QWidget* MakeControl(const ControlSpec& entry);
  QWidget* Widget(Control control) const;
  void ConnectEvents();
  // The remembered place (else the reference one), fitted to the screen it is on; once the
  // window is up, maximised again when it was left maximised.
  void PlaceWindow();
  // The control of the layout that has the focus, or holds the widget that has it.
  std::optional<Control> FocusedControl() const;
  // Active patches' menu: "Repair", offered for a marked entry that is picked.
  void ShowActiveMenu(const QPoint& at);

  Session& session_;
  Catalogue& cat_;
  MessageHook messageHook_;
  GrowingPanel* content_ = nullptr;
  std::map<Control, QWidget*> controls_;  // by the layout table's names
  // The controls the view works with beyond what the table says of them.
  QComboBox* path = nullptr;
  EntryListView* ListBox1 = nullptr;
  EntryListView* ListBox2 = nullptr;
  EntryListView* ListBox3 = nullptr;
  QLineEdit* PatchFilter = nullptr;
  QLineEdit* SlotFilter = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLabel* Image = nullptr;  // inside ScrollBox1
  QTabWidget* Notes = nullptr;
  QPlainTextEdit* Readme = nullptr;
  JobPanel* Jobs = nullptr;  // the running job's console, its Continue button and outcome
  std::unique_ptr<QProgressDialog> progress_;  // while a large patch is unpacked
  bool placedOnce_ = false;
  std::unique_ptr<FormPresenter> presenter_;  // last: made once the controls are there
};

}  // namespace vantrel
