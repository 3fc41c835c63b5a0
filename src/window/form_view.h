#pragma once
// What the presenter asks of a window: each view (Qt on Linux, Win32 on Windows) draws the
// controls of the layout table and forwards their events to the presenter; the presenter
// decides, through these calls, what the controls show. A view keeps no decisions of its own.
//
// The three lists are not set through this interface: each list control of a view observes
// its EntryList (catalogue/entry_list.h), which the presenter fills and selects in.
#include <optional>
#include <string>

#include "window/layout_table.h"

namespace vantrel {

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
  virtual bool Ask(const std::string& question) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  // A Yes/No/Cancel question, Cancel the default button; closing the box is Cancel.
  enum class Reply { Yes, No, Cancel };
  virtual Reply AskOrCancel(const std::string& question) = 0;

  // Takes the window off the screen while the program goes on (a job it still watches).
  virtual void Hide() = 0;
  // Closes the window as the user's close does, which asks the presenter's CloseAsked.
  virtual void Close() = 0;
};

}  // namespace vantrel
