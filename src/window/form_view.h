#pragma once
// What the presenter asks of a window: each view (Qt on Linux, Win32 on Windows) draws the
// controls of the layout table and forwards their events to the presenter; the presenter
// decides, through these calls, what the controls show. A view keeps no decisions of its own.
//
// The three lists are not set through this interface: each list control of a view observes
// its EntryList (catalogue/entry_list.h), which the presenter fills and selects in.
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/layout_table.h"

namespace vantrel {

// The open-file dialog of "Add patch from archive...": its title, and the kinds of archive it
// offers first (then all files).
inline constexpr std::string_view kArchiveDialogTitle = "Add patch from archive";
// The file dialogs of exporting and importing a patch set.
inline constexpr std::string_view kExportSetTitle = "Export a patch set";
inline constexpr std::string_view kImportSetTitle = "Import a patch set";
inline constexpr std::string_view kArchivePatterns[] = {"*.zip",     "*.7z",  "*.rar",     "*.tar",
                                                        "*.tar.gz", "*.tgz", "*.tar.bz2", "*.tar.xz"};

class FormView {
 public:
  virtual ~FormView() = default;

  virtual void SetTitle(const std::string& title) = 0;
  // A caption (button, label, note) or a line's text (Edit1, the folder box). Setting the
  // folder box's text raises no pathChange: it names the folder the lists are already of.
  virtual void SetText(Control control, const std::string& text) = 0;
  virtual std::string Text(Control control) const = 0;
  virtual void SetEnabled(Control control, bool enabled) = 0;
  virtual void SetChecked(Control control, bool checked) = 0;
  virtual void SetHint(Control control, const std::string& hint) = 0;
  virtual void SetShown(Control control, bool shown) = 0;
  // Shows the line's text from its start (Edit1 after a new combination).
  virtual void ShowFromStart(Control line) = 0;
  // Scrolls the list so that `row` of its entry list is the top one in view.
  virtual void ScrollToTop(Control list, std::size_t row) = 0;
  // Scrolls the list as little as it takes to bring `row` of its entry list into view.
  virtual void KeepInView(Control list, std::size_t row) = 0;

  // The picture file to show in the preview (decoded by the view with the shared decoder),
  // or none to clear it. Raises vantrel::Error when the file cannot be decoded.
  virtual void ShowPicture(const std::optional<std::string>& file) = 0;
  // The picked patch's readme, or none; `toFront` brings it before the job's notes.
  virtual void ShowReadme(const std::optional<std::string>& text, bool toFront) = 0;

  // A modal box titled "Vantrel": a Yes/No question (No the default button), and a message.
  // `details`, when not "", is what the box shows under "Details": the steps of the job asked
  // about.
  virtual bool Ask(const std::string& question, const std::string& details) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  // A Yes/No/Cancel question, Cancel the default button; closing the box is Cancel.
  enum class Reply { Yes, No, Cancel };
  virtual Reply AskOrCancel(const std::string& question) = 0;

  // Adding a patch from an archive. The archive the user picks in the open-file dialog (an
  // absolute path), none when the user cancels.
  virtual std::optional<std::string> ChooseArchive() = 0;
  // The file to import a patch set from, or (`toSave`) to export one to, in the system's file
  // dialog; none when the user cancels.
  virtual std::optional<std::string> ChooseSetFile(bool toSave) = 0;
  // One of `choices` picked in a modal box titled "Vantrel" that asks `question`, the first
  // one offered; none when the user cancels.
  virtual std::optional<std::size_t> Choose(const std::string& question, const std::vector<std::string>& choices) = 0;
  // A line typed in a modal box titled "Vantrel" that asks `question`, starting as `text`;
  // none when the user cancels.
  virtual std::optional<std::string> AskText(const std::string& question, const std::string& text) = 0;
  // Tells in a box with a Cancel button how far `what` has come, in thousandths; the first
  // call brings the box up and EndProgress takes it down. The window's events go on being
  // handled, its input waits. False once the user has cancelled.
  virtual bool ShowProgress(const std::string& what, int thousandths) = 0;
  virtual void EndProgress() = 0;

  // The job log. Opens `file` (relative to the current folder) in the program the system has
  // for logs or plain texts; false where it has none.
  virtual bool OpenInSystemProgram(const std::string& file) = 0;
  // Shows `text` read-only in the window's own viewer, beside the window: made the first time,
  // brought to the front and scrolled to its end (the last job) after.
  virtual void ShowLog(const std::string& text) = 0;

  // Marks the entries of `list` named in `reasons` (by their text) as the view marks an
  // entry whose patch's files are not all in place, each with its reason in its tooltip;
  // every other entry shows unmarked. The entries' texts stay as the entry list holds them.
  virtual void MarkEntries(Control list, const std::map<std::string, std::string>& reasons) = 0;
  // Runs `task` on the window's thread once the events before it are handled. The one call
  // made from another thread (the status check's).
  virtual void RunOnWindowThread(std::function<void()> task) = 0;

  // Takes the window off the screen while the program goes on (a job it still watches).
  virtual void Hide() = 0;
  // Closes the window as the user's close does, which asks the presenter's CloseAsked.
  virtual void Close() = 0;
};

}  // namespace vantrel
