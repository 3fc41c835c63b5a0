#pragma once
// The catalogue's process-wide state: the three lists, the scanned patch folders and the
// slot names. Created once by the program, fresh by each test.
#include <string>
#include <vector>

#include "catalogue/entry_list.h"
#include "rbext/slot_names.h"

namespace vantrel {

struct objectrec {
  std::string folderName;  // the subfolder's name as the search returned it
  std::string patchCode;   // first four characters of its "????9000.dml" file's name
};

constexpr int kMaxPatchFolders = 1024;
constexpr int kMaxActiveEntries = 1025;
inline constexpr const char* kScanListFile = "vantrel.scan.tmp";
// The shape file whose presence makes a folder a patch folder.
inline constexpr const char* kPatchShapeMask = "????9000.dml";

struct Catalogue {
  Catalogue() { BuildSlotNameTable(slotNames); }

  EntryList ListBox1;  // Available patches
  EntryList ListBox2;  // Destination slots
  EntryList ListBox3;  // Active patches

  std::vector<objectrec> objectTable;  // entry n at [n - 1]
  int objectCount() const { return static_cast<int>(objectTable.size()); }
  // Found by the last scan and the last listing but beyond their caps, so not listed.
  int unlistedPatchFolders = 0;
  int unlistedMarkers = 0;

  SlotNameTable slotNames;
  bool slotsListed = false;
};

}  // namespace vantrel
