#include "engine/installed.h"

#include <algorithm>

#include "engine/volume_bodies.h"
#include "engine/folded_names.h"
#include "platform/files.h"
#include "platform/search.h"
#include "rbext/hex_value.h"
#include "rbext/slot_names.h"

namespace vantrel {

std::string SlotNameOf(const Catalogue& cat, const std::string& slotCode) {
  if (slotCode.size() != 4) return "";
  const int slotClass = HexValue(slotCode.substr(0, 2)), index = HexValue(slotCode.substr(2, 2));
  if (slotClass >= kSlotClasses || index >= kSlotsPerClass) return "";
  // The table keeps the blank that parts the name from the code in a list line.
  const std::string& name = cat.slotNames[static_cast<std::size_t>(slotClass)][static_cast<std::size_t>(index)];
  const std::size_t first = name.find_first_not_of(' '), last = name.find_last_not_of(' ');
  return first == std::string::npos ? "" : name.substr(first, last - first + 1);
}

std::string HolderName(const InstalledPatch& patch) {
  if (patch.record) return patch.record->folder;
  if (const std::string folder = VolumeMarkerFolder(patch.marker); !folder.empty()) return folder;
  return patch.entry.size() > 5 ? patch.entry.substr(5) : patch.entry;
}

std::vector<std::string> HeldFiles(const InstalledPatch& patch) {
  std::vector<std::string> files;
  if (!patch.record) return files;
  for (const LedgerFile& file : patch.record->files) {
    if (!file.put.empty()) files.push_back(file.target);
  }
  return files;
}

std::vector<InstalledPatch> InstalledPatches(const Catalogue& cat) { return InstalledPatches(cat, ReadGameLedger()); }

std::vector<InstalledPatch> InstalledPatches(const Catalogue& cat, const std::vector<LedgerEntry>& ledger) {
  return InstalledPatches(cat, std::vector<LedgerEntry>(ledger));
}

std::vector<InstalledPatch> InstalledPatches(const Catalogue& cat, std::vector<LedgerEntry>&& ledger) {
  return InstalledPatches(cat, std::move(ledger), FindMarkers());
}

std::vector<platform::FoundEntry> FindMarkers() { return platform::FindEntries("*.aop", platform::Admit::Files); }

std::vector<InstalledPatch> InstalledPatches(const Catalogue& cat, std::vector<LedgerEntry>&& ledger,
                                             const std::vector<platform::FoundEntry>& markers) {
  // By marker, the first of its name as FindLedgerEntry takes it: a folder of a thousand
  // markers is not searched a thousand times.
  FoldedNameMap<LedgerEntry*> byMarker;
  for (LedgerEntry& entry : ledger) byMarker.emplace(entry.marker, &entry);
  FoldedNameMap<std::size_t> taken;  // by marker found, the patch that took its entry over
  std::vector<InstalledPatch> installed;
  for (const platform::FoundEntry& found : markers) {
    InstalledPatch patch;
    patch.marker = found.name;
    patch.entry = found.name.substr(0, found.name.size() - 4);
    patch.slotCode = found.name.substr(0, std::min<std::size_t>(4, found.name.size()));
    patch.slotName = SlotNameOf(cat, patch.slotCode);
    // Taken over once; a second marker of the name in another case gets a copy.
    if (const auto earlier = taken.find(found.name); earlier != taken.end()) {
      patch.record = installed[earlier->second].record;
    } else if (const auto entry = byMarker.find(found.name); entry != byMarker.end()) {
      LedgerEntry& record = *entry->second;
      byMarker.erase(entry);
      patch.record = std::move(record);
      taken.emplace(found.name, installed.size());
    }
    installed.push_back(std::move(patch));
  }
  std::sort(installed.begin(), installed.end(),
            [](const InstalledPatch& a, const InstalledPatch& b) { return a.marker < b.marker; });
  return installed;
}

}  // namespace vantrel
