#include "catalogue/scan.h"

#include <algorithm>

#include "catalogue/list_line.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/search.h"
#include "platform/text_file.h"
#include "rbext/hex_value.h"
#include "rbext/slot_names.h"

namespace vantrel {

namespace {

constexpr const char* kMarkerMask = "*.aop";
constexpr int kFirstListedClass = 3;
// The next scan list is written under this hidden name and then put in place whole. One
// name does for every writer: writers hold the folder's lock.
constexpr const char* kScanListDraft = ".vantrel.scan.new";

void RemoveDraft() {
  try {
    if (platform::FileExists(kScanListDraft)) platform::DeleteFileAt(kScanListDraft);
  } catch (...) {
    // The failure that brought us here is the one to report.
  }
}

// A reader of the scan list (the window's list, another of our programs) finds the old
// list or the new one, never one half written or cut short by a full disk.
void WriteScanList(const Catalogue& cat) {
  try {
    platform::TextFileWriter out(kScanListDraft);
    for (const objectrec& rec : cat.objectTable) out.WriteLine(ListLine(rec.patchCode, rec.folderName));
    out.Close();
    platform::MoveFileTo(kScanListDraft, kScanListFile);
  } catch (...) {
    RemoveDraft();
    throw;
  }
}

// The current folder's folders in the search's order. The search admits folders and files
// alike; files are never patch folders, so they are left out at the search rather than
// sorted with the folders and skipped later.
std::vector<std::string> FolderNames() {
  std::vector<std::string> names;
  for (auto& entry : platform::FindEntries("*", platform::Admit::Folders)) names.push_back(std::move(entry.name));
  return names;
}

}  // namespace

std::string PatchShapeIn(const std::string& folder) {
  return platform::FindFirstName(folder + "\\" + kPatchShapeMask, platform::Admit::Files);
}

bool HoldsPatchFolder() {
  for (const std::string& folder : FolderNames()) {
    if (!PatchShapeIn(folder).empty()) return true;
  }
  return false;
}

PatchFolders FindPatchFolders() {
  PatchFolderSearch search;
  search.Work();
  return search.Found();
}

PatchFolderSearch::PatchFolderSearch()
    : folders_(FolderNames()),
      shapes_(folders_.size()),
      looks_(folders_.size(), [this](std::size_t i) { shapes_[i] = PatchShapeIn(folders_[i]); }) {}

PatchFolders PatchFolderSearch::Found() {
  looks_.RethrowFailure();
  PatchFolders folders;
  for (std::size_t i = 0; i < folders_.size(); ++i) {
    if (shapes_[i].empty()) continue;
    // Past the cap the folders are still looked at, so that the user can be told how many
    // the list leaves out.
    if (folders.listed.size() == static_cast<std::size_t>(kMaxPatchFolders)) {
      ++folders.unlisted;
      continue;
    }
    folders.listed.push_back(objectrec{std::move(folders_[i]), shapes_[i].substr(0, 4)});
  }
  return folders;
}

void ScanPatchFolders(Catalogue& cat, std::optional<PatchFolders> found) {
  platform::FolderLock lock;
  PatchFolders folders = found ? std::move(*found) : FindPatchFolders();
  cat.objectTable = std::move(folders.listed);
  cat.unlistedPatchFolders = folders.unlisted;
  WriteScanList(cat);
  ListActivePatches(cat);
}

void ListActivePatches(Catalogue& cat) {
  EntryList& list = cat.ListBox3;
  const std::string remembered = list.Selected() ? list.SelectedText() : std::string();
  list.Clear();

  const auto markers = platform::FindEntries(kMarkerMask, platform::Admit::Files);
  const std::size_t listed = std::min(markers.size(), static_cast<std::size_t>(kMaxActiveEntries));
  cat.unlistedMarkers = static_cast<int>(markers.size() - listed);
  std::vector<std::string> collected;
  collected.reserve(listed);
  for (std::size_t i = 0; i < listed; ++i) {
    const std::string& name = markers[i].name;
    collected.push_back(name.substr(0, name.size() >= 4 ? name.size() - 4 : 0));
  }
  list.Replace(std::move(collected));
  if (auto again = list.FindIgnoringCase(remembered)) list.Select(*again);
}

void FillDestinationSlots(Catalogue& cat) {
  if (cat.slotsListed) return;
  std::vector<std::string> lines;
  for (int c = kFirstListedClass; c < kSlotClasses; ++c) {
    for (int n = 0; n < kSlotsPerClass; ++n) {
      lines.push_back(ListLine(HexByte(static_cast<std::uint8_t>(c)) + HexByte(static_cast<std::uint8_t>(n)),
                               cat.slotNames[static_cast<std::size_t>(c)][static_cast<std::size_t>(n)]));
    }
  }
  cat.ListBox2.AppendAll(std::move(lines));
  cat.slotsListed = true;
}

void RefreshPatchList(Catalogue& cat, std::optional<PatchFolders> found) {
  // Held to the load, so that the list loaded is the one this scan wrote.
  platform::FolderLock lock;
  ScanPatchFolders(cat, std::move(found));
  cat.ListBox1.SetSorted(true);
  cat.ListBox2.SetSorted(true);
  cat.ListBox3.SetSorted(true);
  cat.ListBox1.LoadFromFile(kScanListFile);
}

}  // namespace vantrel
