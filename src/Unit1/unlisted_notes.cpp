// The notes under Available patches and Active patches: how many entries a list leaves out.
#include <QLabel>

#include "Unit1/form.h"

namespace vantrel {

namespace {

// "76 more not listed (at most 1024)"; hidden when nothing is left out.
void ShowNote(QLabel* note, int unlisted, int cap) {
  note->setVisible(unlisted > 0);
  if (unlisted == 0) return;
  note->setText(QString("%1 more not listed (at most %2)").arg(unlisted).arg(cap));
}

}  // namespace

void TForm1::ShowUnlisted() {
  ShowNote(UnlistedPatches, cat_.unlistedPatchFolders, kMaxPatchFolders);
  ShowNote(UnlistedActive, cat_.unlistedMarkers, kMaxActiveEntries);
}

}  // namespace vantrel
