#include "platform/search.h"

#include <algorithm>
#include <optional>

#include "platform/names.h"
#include "platform/search_rules.h"

namespace vantrel::platform {
namespace detail {

bool IsDotEntry(std::string_view name) { return name == "." || name == ".."; }

bool NameAdmitted(std::string_view name, bool hidden, Admit admit) {
  if (IsDotEntry(name)) return false;
  if (admit != Admit::Everything && hidden) return false;
  return WindowsCanHold(name);
}

bool Wanted(bool directory, Admit admit) {
  if (admit == Admit::Files) return !directory;
  if (admit == Admit::Folders) return directory;
  return true;
}

// Sorts by upper-cased keys made once, so that a large folder costs one pass of
// case folding rather than one per comparison; ties fall back to the stored bytes.
void SortInNtfsOrder(std::vector<FoundEntry>& entries) {
  struct Keyed {
    std::string key;
    std::size_t index;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::string key = entries[i].name;
    for (char& c : key) c = UpperAscii(c);
    keyed.push_back({std::move(key), i});
  }
  std::sort(keyed.begin(), keyed.end(), [&entries](const Keyed& a, const Keyed& b) {
    if (int order = a.key.compare(b.key); order != 0) return order < 0;
    return entries[a.index].name < entries[b.index].name;
  });
  std::vector<FoundEntry> sorted;
  sorted.reserve(entries.size());
  for (const Keyed& k : keyed) sorted.push_back(std::move(entries[k.index]));
  entries = std::move(sorted);
}

}  // namespace detail

std::vector<FoundEntry> FindEntries(std::string_view pathPattern, Admit admit) {
  std::vector<FoundEntry> found;
  detail::ScanMatches(pathPattern, admit, [&found](FoundEntry&& entry) { found.push_back(std::move(entry)); });
  detail::SortInNtfsOrder(found);
  return found;
}

std::string FindFirstName(std::string_view pathPattern, Admit admit) {
  std::optional<std::string> first;
  detail::ScanMatches(pathPattern, admit, [&first](FoundEntry&& entry) {
    if (!first || NtfsNameLess(entry.name, *first)) first = std::move(entry.name);
  });
  return first.value_or(std::string());
}

}  // namespace vantrel::platform
