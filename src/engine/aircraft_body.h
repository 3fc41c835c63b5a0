#pragma once
// The bodies that install an aircraft patch into a slot of class 03 and empty such a slot.
#include <string_view>

#include "engine/job.h"
#include "engine/model_records.h"

namespace vantrel {

// Empties the slot (restoring its model records first), creates the marker, copies the
// shapes, textures, type-indexed bitmaps and, with FM/DM changing on, the damage table,
// then moves the patch's model records in.
void InstallAircraftPatch(Job& job);

// Restores the model records of `restorePair` from the stock copies, then writes the del
// lines of the slot's files, bitmaps, damage table and markers, ending in "pause ".
void RemoveAircraftPatch(Job& job, std::string_view code, RecordPair restorePair);

}  // namespace vantrel
