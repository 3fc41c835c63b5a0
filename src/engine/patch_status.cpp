#include "engine/patch_status.h"

#include <algorithm>

#include "engine/hash_cache.h"
#include "engine/object_bodies.h"
#include "platform/errors.h"
#include "platform/names.h"

namespace vantrel {

namespace {

constexpr const char* kNoLedgerRecord = "no ledger record";

std::string Upper(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) c = platform::UpperAscii(c);
  return upper;
}

}  // namespace

std::string FileFault::Text() const {
  switch (what) {
    case Fault::Changed:
      return "changed: " + shown;
    case Fault::Missing:
      return "missing: " + shown;
    case Fault::CouldNotLook:
      break;
  }
  return "could not look: " + shown + " (" + why + ")";
}

std::vector<std::string> PatchStatus::Problems() const {
  if (!patch.record) return {kNoLedgerRecord};
  std::vector<std::string> problems;
  for (const FileFault& fault : faults) problems.push_back(fault.Text());
  return problems;
}

TopLayers::TopLayers(const std::vector<LedgerEntry>& ledger) {
  for (const LedgerEntry& entry : ledger) {
    for (const LedgerFile& file : entry.files) {
      const LedgerEntry*& top = top_[Upper(file.target)];
      if (!top || entry.order > top->order) top = &entry;
    }
  }
}

bool TopLayers::OnTop(const LedgerEntry& entry, std::string_view target) const {
  const auto found = top_.find(Upper(target));
  return found != top_.end() && platform::SameNameIgnoringCase(found->second->marker, entry.marker);
}

std::vector<FileFault> FaultsOf(const LedgerEntry& entry, const TopLayers& tops, const HashReader& hashOf) {
  std::vector<FileFault> faults;
  const std::string slotCode = entry.marker.substr(0, std::min<std::size_t>(4, entry.marker.size()));
  for (const LedgerFile& file : entry.files) {
    if (!tops.OnTop(entry, file.target)) continue;
    FileFault fault{Fault::Changed, file.target, ObjectCopyTarget(slotCode, file.target), ""};
    try {
      const std::string now = hashOf(file.target);
      if (now == file.put) continue;
      if (now.empty()) fault.what = Fault::Missing;
    } catch (const InOutError& error) {
      fault.what = Fault::CouldNotLook;
      fault.why = InOutError::TextFor(error.code());
    }
    faults.push_back(std::move(fault));
  }
  return faults;
}

bool GameStatus::AllInPlace() const {
  return std::all_of(patches.begin(), patches.end(), [](const PatchStatus& patch) { return patch.InPlace(); });
}

GameStatus CheckGameStatus(const Catalogue& cat) {
  const std::vector<LedgerEntry> ledger = ReadGameLedger();
  const TopLayers tops(ledger);
  HashCache cache = HashCache::Load();
  const HashReader hashOf = [&cache](const std::string& path) { return cache.HashOf(path); };
  GameStatus status;
  for (InstalledPatch& patch : InstalledPatches(cat, ledger)) {
    PatchStatus checked{std::move(patch), {}};
    if (checked.patch.record) checked.faults = FaultsOf(*checked.patch.record, tops, hashOf);
    status.patches.push_back(std::move(checked));
  }
  cache.Save();
  status.filesRead = cache.FilesRead();
  return status;
}

}  // namespace vantrel
