#pragma once
// The bodies that copy a volume patch's archives into the game's folders and take them out.
#include <string>
#include <string_view>
#include <vector>

#include "engine/job.h"

namespace vantrel {

// Whether the game keeps an archive of this name (any letter case) in its own folder, the
// working folders' parent: rb.vol, rbshell.vol, rbtest.vol, lowres.vol.
bool KeptInGameFolder(std::string_view archiveName);

// The marker a volume install leaves: 0099_FOLDER_vol_patch.aop.
std::string VolumeMarkerName(std::string_view patchFolder);

// The folder a volume marker names ("SpringMaps" of "0099_SpringMaps_vol_patch.aop"); ""
// for a name of another form.
std::string VolumeMarkerFolder(std::string_view marker);

// The game archives an install of `patchFolder` replaces, as its lines write them
// (..\rb.vol, ..\3dpatch\3dspring.vol), in the order it copies them.
std::vector<std::string> ArchivesReplacedBy(std::string_view patchFolder);

// Copies each recognised archive of the selected patch folder into its game folder, noting a
// layer over each (file_layers.h): the game's own archive is to be kept as NAME.orig before
// the script runs, or another patch's lies below. Then creates the volume marker.
void InstallVolumePatch(Job& job);

// Puts back what lay under each archive the selected active entry's install put in place, as
// the ledger records it, and deletes the marker. An install from before the ledger: the
// archive names its folder holds now are taken out, each saved original moved back.
void RemoveVolumePatch(Job& job);

}  // namespace vantrel
