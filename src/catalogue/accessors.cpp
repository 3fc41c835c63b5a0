#include "catalogue/accessors.h"

#include "catalogue/list_line.h"

namespace vantrel {

namespace {

using LinePart = std::string_view (*)(std::string_view line);

// An accessor that finds no selection selects the first entry, for good.
EntryList& WithFirstEntryDefault(EntryList& list) {
  if (!list.Selected()) list.Select(0);
  return list;
}

std::string PartOfSelected(EntryList& list, LinePart part) {
  return std::string(part(WithFirstEntryDefault(list).SelectedText()));
}

}  // namespace

std::string PatchIndexHex(Catalogue& cat) { return std::string(LineTypeIndex(cat.ListBox1.SelectedText())); }

std::string PatchCode(Catalogue& cat) { return PartOfSelected(cat.ListBox1, LineCode); }

// The whole folder name: a cut name would point the script's copy lines at a folder
// that does not exist while its marker reports the patch active.
std::string PatchFolder(Catalogue& cat) { return PartOfSelected(cat.ListBox1, LineName); }

std::string SlotIndexHex(Catalogue& cat) { return PartOfSelected(cat.ListBox2, LineTypeIndex); }

std::string SlotCode(Catalogue& cat) { return PartOfSelected(cat.ListBox2, LineCode); }

std::string ActiveCode(Catalogue& cat) {
  EntryList& list = WithFirstEntryDefault(cat.ListBox3);
  if (list.Count() == 0) return {};
  return std::string(LineCode(list.SelectedText()));
}

}  // namespace vantrel
