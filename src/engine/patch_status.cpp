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
  std::vector<const LedgerEntry* const*> tops;  // each file's place in top_, which stays put
  tops.reserve(files);
  for (const LedgerEntry& entry : ledger) {
    for (const LedgerFile& file : entry.files) {
      const LedgerEntry*& top = top_[file.target];
      if (!top || entry.order > top->order) top = &entry;
      tops.push_back(&top);
    }
  }
  onTopInOrder_.reserve(files);
  auto top = tops.begin();
  for (const LedgerEntry& entry : ledger) {
    for (std::size_t i = 0; i < entry.files.size(); ++i, ++top) {
      onTopInOrder_.push_back(platform::SameNameIgnoringCase((**top)->marker, entry.marker));
    }
  }
}

bool TopLayers::OnTop(const LedgerEntry& entry, std::string_view target) const {
  const auto found = top_.find(target);
  return found != top_.end() && platform::SameNameIgnoringCase(found->second->marker, entry.marker);
}

namespace {

std::string SlotCodeOf(const LedgerEntry& entry) { return entry.marker.substr(0, std::min<std::size_t>(4, entry.marker.size())); }

// The fault of one file of an installed patch, its bytes now told by `hashNow` ("" when it is
// gone); none when they are those the patch put.
template <typename HashNow>
std::optional<FileFault> FaultOf(const LedgerFile& file, const std::string& slotCode, HashNow&& hashNow) {
  Fault what = Fault::Changed;
  std::string why;
  try {
    const auto& now = hashNow();
    if (now == file.put) return std::nullopt;
    if (now.empty()) what = Fault::Missing;
  } catch (const InOutError& error) {
    what = Fault::CouldNotLook;
    why = InOutError::TextFor(error.code());
  }
  return FileFault{what, file.target, ObjectCopyTarget(slotCode, file.target), std::move(why)};
}

}  // namespace

std::vector<FileFault> FaultsOf(const LedgerEntry& entry, const TopLayers& tops, const HashReader& hashOf) {
  std::vector<FileFault> faults;
  const std::string slotCode = SlotCodeOf(entry);
  for (const LedgerFile& file : entry.files) {
    if (!tops.OnTop(entry, file.target)) continue;
    if (auto fault = FaultOf(file, slotCode, [&] { return hashOf(file.target); })) faults.push_back(std::move(*fault));
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
  std::map<std::string, std::vector<FileFault>> faults;  // by marker, of the patches that have any
  {
    // The files on top, each asked for once: all looked at together, then judged in order.
    struct OnTop {
      const LedgerEntry* entry;
      const LedgerFile* file;
    };
    const std::vector<bool> onTopInOrder = TopLayers(ledger).OnTopInOrder();
    std::vector<OnTop> onTop;
    std::vector<std::string> paths;
    onTop.reserve(onTopInOrder.size());
    paths.reserve(onTopInOrder.size());
    auto top = onTopInOrder.begin();
    for (const LedgerEntry& entry : ledger) {
      const bool own = IsOwnEntry(entry);
      for (const LedgerFile& file : entry.files) {
        if (!*top++ || !own) continue;
        onTop.push_back({&entry, &file});
        paths.push_back(file.target);
      }
    }
    std::vector<HashCache::Look> looks = cache.LookAt(paths);
    for (std::size_t i = 0; i < onTop.size(); ++i) {
      const auto hashNow = [&]() -> const std::string& { return cache.Take(paths[i], looks[i]); };
      if (auto fault = FaultOf(*onTop[i].file, SlotCodeOf(*onTop[i].entry), hashNow)) {
        faults[onTop[i].entry->marker].push_back(std::move(*fault));
      }
    }
  }
  cache.Save();
  GameStatus status;
  status.filesRead = cache.FilesRead();
  for (InstalledPatch& patch : InstalledPatches(cat, std::move(ledger), markers)) {
    PatchStatus checked{std::move(patch), {}};
    if (checked.patch.record) {
      if (const auto found = faults.find(checked.patch.record->marker); found != faults.end()) checked.faults = std::move(found->second);
    }
    status.patches.push_back(std::move(checked));
  }
  return status;
}

}  // namespace vantrel
