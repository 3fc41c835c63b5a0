// The presenter's part in the status of Active patches: the check after each listing, the
// marks it leaves, and "Repair" on a marked entry.
#include "window/form_presenter.h"

namespace vantrel {

// The check starts behind the window's events already waiting, among them (in Qt) the drawing
// of the lists just filled: its threads would otherwise take the cores that drawing needs.
void FormPresenter::CheckStatusWhenWanted() {
  if (!statusWanted_ || statusQueued_) return;
  statusQueued_ = true;
  view_.RunOnWindowThread([this] {
    statusQueued_ = false;
    StartStatusCheck();
  });
}

void FormPresenter::StartStatusCheck() {
  // A job running now changes files as the check reads them; its end lists the patches again.
  if (!statusWanted_ || jobs_.Busy() || closing_) return;
  statusWanted_ = false;
  status_.Start(
      cat_, [this](const std::optional<std::vector<InstalledPatch>>& installed) { ShowInstalled(installed); },
      [this](const std::optional<GameStatus>& status, const std::string& failure) { ShowStatus(status, failure); });
}

void FormPresenter::ShowInstalled(const std::optional<std::vector<InstalledPatch>>& installed) {
  installed_ = installed;
  holdersOf_.reset();
  ShowHolders();
}

// A check that could not be made marks nothing, and says so where the window tells what its
// last action came to.
void FormPresenter::ShowStatus(const std::optional<GameStatus>& status, const std::string& failure) {
  notInPlace_.clear();
  if (!status) jobs_.ShowOutcome("Whether the active patches' files are in place cannot be told: " + failure);
  static const std::vector<PatchStatus> kNone;
  for (const PatchStatus& patch : status ? status->patches : kNone) {
    if (patch.InPlace()) continue;
    std::string why = "Not all its files are in place (Repair puts them back):";
    for (const std::string& problem : patch.Problems()) why += "\n" + problem;
    notInPlace_[patch.patch.entry] = why;
  }
  view_.MarkEntries(Control::ListBox3, notInPlace_);
}

bool FormPresenter::RepairOffered() const {
  return cat_.ListBox3.Selected() && notInPlace_.contains(cat_.ListBox3.SelectedText());
}

void FormPresenter::RepairAsked() { Handle(&FormPresenter::repairPatch); }

}  // namespace vantrel
