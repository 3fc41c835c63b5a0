#include "engine/patch_status.h"

#include <algorithm>
#include <future>
#include <map>

#include "engine/hash_cache.h"
#include "engine/object_bodies.h"
#include "platform/errors.h"
#include "platform/names.h"

namespace vantrel {

namespace {

constexpr const char* kNoLedgerRecord = "no ledger record";

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
  std::size_t files = 0;
  for (const LedgerEntry& entry : ledger) files += entry.files.size();
  top_.reserve(files);
  for (const LedgerEntry& entry : ledger) {
    for (const LedgerFile& file : entry.files) {
      const LedgerEntry*& top = top_[file.target];
      if (!top || entry.order > top->order) top = &entry;
    }
  }
}

bool TopLayers::OnTop(const LedgerEntry& entry, std::string_view target) const {
  const auto found = top_.find(target);
  return found != top_.end() && platform::SameNameIgnoringCase(found->second->marker, entry.marker);
}

std::vector<FileFault> FaultsOf(const LedgerEntry& entry, const TopLayers& tops, const HashReader& hashOf) {
  std::vector<FileFault> faults;
  const std::string slotCode = entry.marker.substr(0, std::min<std::size_t>(4, entry.marker.size()));
  for (const LedgerFile& file : entry.files) {
    if (!tops.OnTop(entry, file.target)) continue;
    Fault what = Fault::Changed;
    std::string why;
    try {
      const std::string now = hashOf(file.target);
      if (now == file.put) continue;
      if (now.empty()) what = Fault::Missing;
    } catch (const InOutError& error) {
      what = Fault::CouldNotLook;
      why = InOutError::TextFor(error.code());
    }
    faults.push_back({what, file.target, ObjectCopyTarget(slotCode, file.target), std::move(why)});
  }
  return faults;
}

bool GameStatus::AllInPlace() const {
  return std::all_of(patches.begin(), patches.end(), [](const PatchStatus& patch) { return patch.InPlace(); });
}

// The faults of the working folder's own entries are found first, while the whole ledger is
// there to say which layer is on top; the entries then go to their markers without a copy.
// The folder's markers and the cache are read while the ledger is.
GameStatus CheckGameStatus(const Catalogue& cat, const std::function<void(std::vector<InstalledPatch>)>& read) {
  std::future<std::vector<platform::FoundEntry>> listing = std::async(std::launch::async, FindMarkers);
  std::future<HashCache> loading = std::async(std::launch::async, HashCache::Load);
  std::vector<LedgerEntry> ledger = ReadGameLedger();
  const std::vector<platform::FoundEntry> markers = listing.get();
  if (read) read(InstalledPatches(cat, std::vector<LedgerEntry>(ledger), markers));
  HashCache cache = loading.get();
  std::map<std::string, std::vector<FileFault>> faults;  // by marker
  {
    const TopLayers tops(ledger);
    std::vector<std::string> onTop;
    for (const LedgerEntry& entry : ledger) {
      if (!IsOwnEntry(entry)) continue;
      for (const LedgerFile& file : entry.files) {
        if (tops.OnTop(entry, file.target)) onTop.push_back(file.target);
      }
    }
    std::vector<HashCache::Look> looks = cache.LookAt(onTop);
    std::size_t next = 0;
    // The files are asked for in the order they were looked at; any other is looked at now.
    const HashReader hashOf = [&](const std::string& path) {
      if (next < onTop.size() && onTop[next] == path) return cache.Take(path, std::move(looks[next++]));
      return cache.HashOf(path);
    };
    for (const LedgerEntry& entry : ledger) {
      if (IsOwnEntry(entry)) faults[entry.marker] = FaultsOf(entry, tops, hashOf);
    }
  }
  cache.Save();
  GameStatus status;
  status.filesRead = cache.FilesRead();
  for (InstalledPatch& patch : InstalledPatches(cat, std::move(ledger), markers)) {
    PatchStatus checked{std::move(patch), {}};
    if (checked.patch.record) checked.faults = faults[checked.patch.record->marker];
    status.patches.push_back(std::move(checked));
  }
  return status;
}

}  // namespace vantrel
