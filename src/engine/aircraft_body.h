#pragma once
// The bodies that install an aircraft patch into a slot of class 03 and empty such a slot.
#include <string_view>

#include "engine/job.h"
#include "engine/model_records.h"

namespace vantrel {

// Empties the slot, creates the marker, copies the shapes, textures, type-indexed bitmaps
// and, with FM/DM changing on, the damage table. The model records are planned with the
// ledger's layers once the lines are written (slot_layers.h).
void InstallAircraftPatch(Job& job);

// The removal of an install from before the ledger: restores the model records of
// `restorePair` from the stock copies (a plan notes them), then writes the slot's removal
// lines.
void RemoveAircraftPatch(Job& job, std::string_view code, RecordPair restorePair);
// The del lines of the slot's files, bitmaps, damage table and markers, ending in "pause ".
void WriteAircraftRemovalLines(Job& job, std::string_view code);

}  // namespace vantrel
