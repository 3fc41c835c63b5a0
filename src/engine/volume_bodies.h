#pragma once
// The bodies that copy a volume patch's archives into the game's folders and take them out.
#include <string>
#include <string_view>
#include <vector>

#include "engine/job.h"

namespace vantrel {

// The marker a volume install leaves: 0099_FOLDER_vol_patch.aop.
std::string VolumeMarkerName(std::string_view patchFolder);

// The game archives an install of `patchFolder` replaces, as its lines write them
// (..\rb.vol, ..\3dpatch\3dspring.vol), in the order it copies them.
std::vector<std::string> ArchivesReplacedBy(std::string_view patchFolder);

// Saves each game archive that an install of `patchFolder` replaces as NAME.orig, unless one
// is kept already: through the platform layer's copy, which is whole or not there, so that
// a kill or a full disk never leaves a cut backup that the script's "if not exist" would
// take for the original. Windows' cmd, whose copy can leave a cut file under its name, then
// finds the backup there and does not copy it again. Raises InOutError naming the backup.
void KeepGameArchives(std::string_view patchFolder);

// Copies each recognised archive of the selected patch folder into its game folder, first
// saving the game's own archive as NAME.orig (once), then creates the volume marker.
void InstallVolumePatch(Job& job);

// Deletes the archive names that the selected active entry's folder holds from the game
// folders, moves each saved original back, and deletes the marker.
void RemoveVolumePatch(Job& job);

}  // namespace vantrel
