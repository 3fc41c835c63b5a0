#include "catalogue/accessors.h"

namespace vantrel {

namespace {

constexpr std::size_t kToEnd = std::string::npos;

// Characters first..last (counted from 1) of the selected entry, as far as it reaches.
std::string Cut(const EntryList& list, std::size_t first, std::size_t last) {
  const std::string& text = list.SelectedText();
  if (text.size() < first) return {};
  return text.substr(first - 1, last == kToEnd ? kToEnd : last - first + 1);
}

// An accessor that finds no selection selects the first entry, for good.
EntryList& WithFirstEntryDefault(EntryList& list) {
  if (!list.Selected()) list.Select(0);
  return list;
}

}  // namespace

std::string PatchIndexHex(Catalogue& cat) { return Cut(cat.ListBox1, 3, 4); }

std::string PatchCode(Catalogue& cat) { return Cut(WithFirstEntryDefault(cat.ListBox1), 1, 4); }

// The whole folder name: a cut name would point the script's copy lines at a folder
// that does not exist while its marker reports the patch active.
std::string PatchFolder(Catalogue& cat) { return Cut(WithFirstEntryDefault(cat.ListBox1), 6, kToEnd); }

std::string SlotIndexHex(Catalogue& cat) { return Cut(WithFirstEntryDefault(cat.ListBox2), 3, 4); }

std::string SlotCode(Catalogue& cat) { return Cut(WithFirstEntryDefault(cat.ListBox2), 1, 4); }

std::string ActiveCode(Catalogue& cat) {
  EntryList& list = WithFirstEntryDefault(cat.ListBox3);
  if (list.Count() == 0) return {};
  return Cut(list, 1, 4);
}

}  // namespace vantrel
