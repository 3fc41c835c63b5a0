#pragma once
#include <string>

#include "catalogue/catalogue.h"

namespace vantrel {

// The "????9000.dml" shape file that makes `folder` (relative to the current folder) a patch
// folder, "" when it holds none.
std::string PatchShapeIn(const std::string& folder);

// Whether the current folder holds at least one patch folder.
bool HoldsPatchFolder();

// Finds the patch folders of the current folder, records them in objectTable, rewrites
// the scan list file and refreshes Active patches.
void ScanPatchFolders(Catalogue& cat);

// Refills Active patches from the "*.aop" markers of the current folder, keeping the
// selected entry where it is still there.
void ListActivePatches(Catalogue& cat);

// Appends the 774 Destination slots lines on the first call; later calls do nothing.
void FillDestinationSlots(Catalogue& cat);

// "Refresh Patch list": scans, switches the three lists to sorted order and loads
// Available patches from the scan list file.
void RefreshPatchList(Catalogue& cat);

}  // namespace vantrel
