#pragma once
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "platform/shared_loop.h"

namespace vantrel {

// The "????9000.dml" shape file that makes `folder` (relative to the current folder) a patch
// folder, "" when it holds none.
std::string PatchShapeIn(const std::string& folder);

// Whether the current folder holds at least one patch folder.
bool HoldsPatchFolder();

// The patch folders of the current folder in the search's order, up to the cap, and how
// many more there are. Only reads; needs no lock.
struct PatchFolders {
  std::vector<objectrec> listed;
  int unlisted = 0;
};
PatchFolders FindPatchFolders();

// The same search in two steps, so that several threads can share the second: the current
// folder's folders are listed when it is made, and Work looks into them.
class PatchFolderSearch {
 public:
  PatchFolderSearch();
  // Looks into folders nobody has taken yet, until none is left; any number of threads may
  // call it at once.
  void Work() { looks_.Work(); }
  // Once every Work has returned: the patch folders, or what looking into one raised. Once
  // only: it hands over the names.
  PatchFolders Found();

 private:
  std::vector<std::string> folders_;
  std::vector<std::string> shapes_;
  platform::SharedLoop looks_;
};

// Finds the patch folders of the current folder (or takes them as `found` read them just
// before), records them in objectTable, rewrites the scan list file and refreshes Active
// patches.
void ScanPatchFolders(Catalogue& cat, std::optional<PatchFolders> found = std::nullopt);

// Refills Active patches from the "*.aop" markers of the current folder, keeping the
// selected entry where it is still there.
void ListActivePatches(Catalogue& cat);

// Appends the 774 Destination slots lines on the first call; later calls do nothing.
void FillDestinationSlots(Catalogue& cat);

// "Refresh Patch list": scans, switches the three lists to sorted order and loads
// Available patches from the scan list file.
void RefreshPatchList(Catalogue& cat, std::optional<PatchFolders> found = std::nullopt);

}  // namespace vantrel
