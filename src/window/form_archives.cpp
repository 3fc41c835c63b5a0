// The presenter's archive handlers: an archive chosen in "Add patch from archive..." or
// dropped on the window becomes a patch folder of the working folder, and the new patch is
// picked. The view only brings up the dialogs the flow asks for.
#include <algorithm>
#include <cstdint>

#include "catalogue/list_line.h"
#include "platform/names.h"
#include "window/form_presenter.h"
#include "window/list_filter.h"
#include "window/run_handler.h"

namespace vantrel {

namespace {

// Archives larger than this, unpacked, show their progress.
constexpr std::uint64_t kProgressFrom = 20u << 20;

// The user's cancel of the progress: it stops the unpacking, which leaves nothing.
struct Cancelled {};

// Takes the progress box down however the unpacking ends.
class ProgressBox {
 public:
  explicit ProgressBox(FormView& view) : view_(view) {}
  ~ProgressBox() { view_.EndProgress(); }
  ProgressBox(const ProgressBox&) = delete;
  ProgressBox& operator=(const ProgressBox&) = delete;

 private:
  FormView& view_;
};

// "060E Big Tank   (pack/Big Tank)": the patch as the list will show it, and where it is in the archive.
std::string PatchChoice(const archive::FoundPatch& patch) {
  return patch.patchCode + " " + patch.defaultName + (patch.innerPath.empty() ? "" : "   (" + patch.innerPath + ")");
}

// A name typed with blanks around it means the name within them.
std::string Trimmed(const std::string& text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

int Thousandths(std::uint64_t done, std::uint64_t total) {
  return total == 0 ? 1000 : static_cast<int>(std::min(done, total) * 1000 / total);
}

}  // namespace

// What adding raises ends it: the outcome line says that nothing was added, the box why.
void FormPresenter::HandleAdding(const std::function<void()>& adding) {
  RunHandler(
      [this](const std::string& text) {
        jobs_.ShowOutcome(archive::NothingAddedText(text));
        view_.ShowMessage(text);
      },
      adding);
  ShowUnlisted();
}

void FormPresenter::addArchive() {
  if (const std::optional<std::string> archivePath = view_.ChooseArchive()) AddPatchArchive(*archivePath);
}

// One archive failing leaves the others to be added.
void FormPresenter::Dropped(const std::vector<std::string>& files) {
  for (const std::string& file : files) HandleAdding([this, &file] { AddPatchArchive(file); });
}

// A cancel of any question or of the unpacking leaves the working folder as it was, and the
// outcome line too: the user's own stop needs no telling.
void FormPresenter::AddPatchArchive(const std::string& archivePath) {
  const std::vector<archive::FoundPatch> found = archive::FindPatchFolders(archivePath);
  const std::optional<std::size_t> which = WhichPatch(archivePath, found);
  if (!which) return;
  const archive::FoundPatch& patch = found.at(*which);
  const std::optional<std::string> name = FreeFolderName(patch.defaultName);
  if (!name || !Unpacked(archivePath, patch, *name)) return;
  jobs_.ShowOutcome(archive::AddedText(archivePath, patch, *name));
  PickAddedPatch(*name);
}

std::optional<std::size_t> FormPresenter::WhichPatch(const std::string& archivePath,
                                                      const std::vector<archive::FoundPatch>& found) {
  if (found.size() == 1) return 0;
  std::vector<std::string> choices;
  for (const archive::FoundPatch& patch : found) choices.push_back(PatchChoice(patch));
  return view_.Choose(platform::SplitLastComponent(archivePath).name + " holds " + std::to_string(found.size()) +
                          " patches. Add which?",
                      choices);
}

// Asks until the name is one a new patch folder can take; none when the user cancels.
std::optional<std::string> FormPresenter::FreeFolderName(std::string name) {
  while (const std::optional<std::string> why = archive::FolderNameRefusal(name)) {
    const std::optional<std::string> other = view_.AskText(*why + "\nAdd the patch as:", name);
    if (!other) return std::nullopt;
    name = Trimmed(*other);
  }
  return name;
}

// A large patch shows its progress, whose Cancel stops the unpacking.
bool FormPresenter::Unpacked(const std::string& archivePath, const archive::FoundPatch& patch,
                             const std::string& name) {
  if (patch.unpackedSize <= kProgressFrom) {
    archive::ExtractPatchFolder(archivePath, patch, name);
    return true;
  }
  const std::string what = "Unpacking " + name + " ...";
  const ProgressBox box(view_);
  try {
    archive::ExtractPatchFolder(archivePath, patch, name, [&](std::uint64_t done, std::uint64_t total) {
      if (!view_.ShowProgress(what, Thousandths(done, total))) throw Cancelled{};
    });
  } catch (const Cancelled&) {
    return false;
  }
  return true;
}

// What the user would do next: read the list again and pick the new patch, which comes into
// sight, through a filter that would hide it. A scan waits for a running job, and the pick
// with it; once the window is closing, neither comes.
void FormPresenter::PickAddedPatch(const std::string& folder) {
  if (closeWaiting_) return;
  if (jobs_.Busy()) {
    jobs_.WhenIdle([this, folder] { Handle([this, &folder] { PickAddedPatch(folder); }); });
    return;
  }
  refreshpatches();
  const std::vector<std::string>& lines = cat_.ListBox1.Items();
  const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return LineName(l) == folder; });
  if (line == lines.end()) return;  // past the list's cap: the note under the list tells of it
  const auto row = static_cast<std::size_t>(line - lines.begin());
  if (!MatchesFilter(*line, view_.Text(Control::PatchFilter))) view_.SetText(Control::PatchFilter, "");
  cat_.ListBox1.Select(static_cast<int>(row));
  patchClicked();
  view_.KeepInView(Control::ListBox1, row);
}

}  // namespace vantrel
