#pragma once
// Patch sets: named lists of the patches to have active, each with its slot and its FM/DM
// choice, to switch between ("stock for online play", "my Flanders campaign"). Kept in the
// support folder's "sets" folder as small text files a person can read and edit: a line a
// patch, "SLOT FMDM FOLDER" ("0305 S,3 FE2b Fighter", "0099 off SpringMaps"), in the order
// they are installed; "#" starts a comment.
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/installed.h"

namespace vantrel {

struct SetMember {
  std::string slot;          // the slot code, "0099" for a volume patch
  std::string fmdm = "off";  // "off" or the variants, "S,2,3"
  std::string folder;        // the patch folder
};

struct PatchSet {
  std::string name;
  std::vector<SetMember> members;
};

// "vantrel-files\sets", relative to the working folder.
std::string SetsFolder();

// What is active now, as a set's members: in the order it was installed, the ledger's.
std::vector<SetMember> ActiveMembers(const Catalogue& cat);

// The text of a set's file, and back; ParseSet raises Error naming `source` and the line it
// cannot read.
std::string SetText(const PatchSet& set);
PatchSet ParseSet(std::string_view text, const std::string& name, const std::string& source);

// Raises Error for a name a set's file cannot be named by.
void CheckSetName(const std::string& name);
// Writes the set's file whole. Raises InOutError naming it.
void SaveSet(const PatchSet& set);
// Raises Error "There is no patch set NAME." when there is none.
PatchSet ReadSet(const std::string& name);
// A set's file anywhere (one to import), the set named `name`. Raises InOutError naming it.
PatchSet ReadSetFile(const std::string& file, const std::string& name);
std::vector<std::string> SetNames();
void DeleteSet(const std::string& name);

// What applying the set changes: the active patches it does not hold, to remove (the latest
// installed first), and its members not active, to install (in its order).
struct SetChanges {
  std::vector<InstalledPatch> remove;
  std::vector<SetMember> install;
  bool Empty() const { return remove.empty() && install.empty(); }
};
SetChanges ChangesTo(const PatchSet& set, const Catalogue& cat);

// The set's patch folders that the working folder does not hold.
std::vector<std::string> MissingFolders(const PatchSet& set);
// "The patch set NAME names patch folders this working folder does not hold: A, B."; "" when
// it holds them all.
std::string MissingText(const PatchSet& set);
// Leaves out the members whose patch folders are not here.
void LeaveOutMissing(PatchSet& set);

// The set in a file to import, named after the file ("online.set" is "online"). Raises as
// ReadSetFile and CheckSetName do.
PatchSet SetToImport(const std::string& file);
// Writes the set `name` to `file`, which the user named and which may lie outside the game.
void ExportSet(const std::string& name, const std::string& file);

}  // namespace vantrel
