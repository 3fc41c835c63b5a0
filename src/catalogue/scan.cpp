#include "catalogue/scan.h"

#include "catalogue/list_line.h"
#include "platform/search.h"
#include "platform/text_file.h"
#include "rbext/slot_names.h"

namespace vantrel {

namespace {

constexpr const char* kPatchShapeMask = "????9000.dml";
constexpr const char* kMarkerMask = "*.aop";
constexpr int kFirstListedClass = 3;

void WriteScanList(const Catalogue& cat) {
  platform::TextFileWriter out(kScanListFile);
  for (const objectrec& rec : cat.objectTable) out.WriteLine(ListLine(rec.patchCode, rec.folderName));
  out.Close();
}

}  // namespace

void ScanPatchFolders(Catalogue& cat) {
  cat.objectTable.clear();
  // The search admits folders and files alike; files are never patch folders, so they are
  // left out at the search rather than sorted with the folders and skipped here.
  for (const auto& entry : platform::FindEntries("*", platform::Admit::Folders)) {
    const std::string shape = platform::FindFirstName(entry.name + "\\" + kPatchShapeMask, platform::Admit::Files);
    if (shape.empty()) continue;
    cat.objectTable.push_back(objectrec{entry.name, shape.substr(0, 4)});
    if (cat.objectCount() == kMaxPatchFolders) break;
  }
  WriteScanList(cat);
  ListActivePatches(cat);
}

void ListActivePatches(Catalogue& cat) {
  EntryList& list = cat.ListBox3;
  const std::string remembered = list.Selected() ? list.SelectedText() : std::string();
  list.Clear();

  std::vector<std::string> collected;
  for (const auto& marker : platform::FindEntries(kMarkerMask, platform::Admit::Files)) {
    const std::size_t keep = marker.name.size() >= 4 ? marker.name.size() - 4 : 0;
    collected.push_back(marker.name.substr(0, keep));
    if (static_cast<int>(collected.size()) == kMaxActiveEntries) break;
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

void RefreshPatchList(Catalogue& cat) {
  ScanPatchFolders(cat);
  cat.ListBox1.SetSorted(true);
  cat.ListBox2.SetSorted(true);
  cat.ListBox3.SetSorted(true);
  cat.ListBox1.LoadFromFile(kScanListFile);
}

}  // namespace vantrel
