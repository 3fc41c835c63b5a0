#pragma once
// The bodies that install an object patch into a slot and empty a slot again.
#include <functional>
#include <string>
#include <string_view>

#include "engine/job.h"
#include "engine/script_text.h"

namespace vantrel {

// Copy lines for the patch's shape and texture files, under the slot's code.
void CopyObjectFiles(Job& job);

// Body for a slot of classes 04 to 0E: empty the slot, copy, then create the marker.
void InstallObjectPatch(Job& job);

// The del lines of a slot's shape and texture files.
void DeleteObjectFiles(Job& job, std::string_view code);

// Body that empties a slot of classes 04 to 0E and drops its markers.
void RemoveObjectPatch(Job& job, std::string_view code);

// Pieces the aircraft body shares: the lines that delete a slot's markers and create the
// install's marker, each noted in the job's plan.
void WriteMarkerDeletion(Job& job, std::string_view code);
void WriteMarkerCreation(Job& job, std::string_view slotCode);
// The marker an object or aircraft install leaves: SLOT_FOLDER.aop.
std::string MarkerName(std::string_view slotCode, std::string_view patchFolder);

// The name an object copy line gives its target (".\\03059000.dml") for a file of the slot
// `slotCode` as the ledger names it ("03059000.dml"); any other name as it is.
std::string ObjectCopyTarget(std::string_view slotCode, std::string_view ledgerName);

// One copy line for every plain file of the patch folder that `mask` matches, in search
// order; `target` gives the name in the working folder for a found name.
void WriteCopyLines(Job& job, CopyForm form, std::string_view mask,
                    const std::function<std::string(std::string_view)>& target);

}  // namespace vantrel
