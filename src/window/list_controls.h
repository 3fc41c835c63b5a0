#pragma once
// Which entry list each list control of the layout shows, and which list each filter line
// filters: the same for every view.
#include "catalogue/catalogue.h"
#include "window/layout_table.h"

namespace vantrel {

// The entry list the list control `list` (ListBox1, ListBox2, ListBox3) shows. Raises
// std::logic_error for a control that is no list.
EntryList& EntryListOf(Catalogue& cat, Control list);

// The list the filter line `filter` (PatchFilter, SlotFilter) sits over and filters. Raises
// std::logic_error for a control that is no filter line.
Control FilteredList(Control filter);

}  // namespace vantrel
