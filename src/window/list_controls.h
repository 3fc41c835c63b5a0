#pragma once
// Which entry list each list control of the layout shows, which list each filter line
// filters, and the keys that go with them: the same for every view.
#include <optional>

#include "catalogue/catalogue.h"
#include "window/layout_table.h"

namespace vantrel {

// The entry list the list control `list` (ListBox1, ListBox2, ListBox3) shows. Raises
// std::logic_error for a control that is no list.
EntryList& EntryListOf(Catalogue& cat, Control list);

// The list the filter line `filter` (PatchFilter, SlotFilter) sits over and filters. Raises
// std::logic_error for a control that is no filter line.
Control FilteredList(Control filter);

// The filter line Ctrl+F goes to from the control that has the focus (none: the focus is on
// no control of the layout): the slots' from Destination slots or its own filter line, else
// the patches', the list a user looks for something in first.
Control FilterLineFor(std::optional<Control> focus);

// The keys of a list, without modifiers, that run its job (the presenter's Entered): Return
// in every list, and Delete in Active patches alone, where the job is a removal.
enum class ListKey { Return, Delete };
bool RunsListJob(Control list, ListKey key);

}  // namespace vantrel
