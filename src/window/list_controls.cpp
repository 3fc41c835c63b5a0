#include "window/list_controls.h"

#include <stdexcept>

namespace vantrel {

EntryList& EntryListOf(Catalogue& cat, Control list) {
  switch (list) {
    case Control::ListBox1:
      return cat.ListBox1;
    case Control::ListBox2:
      return cat.ListBox2;
    case Control::ListBox3:
      return cat.ListBox3;
    default:
      throw std::logic_error("a control that shows no entry list");
  }
}

Control FilteredList(Control filter) {
  switch (filter) {
    case Control::PatchFilter:
      return Control::ListBox1;
    case Control::SlotFilter:
      return Control::ListBox2;
    default:
      throw std::logic_error("a control that filters no list");
  }
}

Control FilterLineFor(std::optional<Control> focus) {
  return focus == Control::ListBox2 || focus == Control::SlotFilter ? Control::SlotFilter : Control::PatchFilter;
}

bool RunsListJob(Control list, ListKey key) {
  const bool isList = list == Control::ListBox1 || list == Control::ListBox2 || list == Control::ListBox3;
  return isList && (key == ListKey::Return || list == Control::ListBox3);
}

}  // namespace vantrel
