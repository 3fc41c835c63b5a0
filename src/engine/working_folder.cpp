#include "engine/working_folder.h"

#include "catalogue/scan.h"
#include "engine/file_errors.h"
#include "engine/model_records.h"
#include "engine/support_folder.h"
#include "engine/volume_bodies.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/names.h"
#include "platform/search.h"

namespace vantrel {

namespace {

// The first archive in `folder` ("" the current one, else ending in "\") that the game keeps
// in its own folder; "" when there is none.
std::string GameArchiveIn(const std::string& folder) {
  for (const auto& found : platform::FindEntries(folder + "*.vol", platform::Admit::Files)) {
    if (KeptInGameFolder(found.name)) return found.name;
  }
  return "";
}

bool IsWorkingFolderName(std::string_view name) {
  for (std::string_view working : kWorkingFolderNames) {
    if (platform::SameNameIgnoringCase(working, name)) return true;
  }
  return false;
}

// Whether the folder above holds a working folder of the game other than `own`.
bool BesideAnotherWorkingFolder(std::string_view own) {
  for (const auto& found : platform::FindEntries("..\\*", platform::Admit::Folders)) {
    if (IsWorkingFolderName(found.name) && !platform::SameNameIgnoringCase(found.name, own)) return true;
  }
  return false;
}

bool HoldsWorkingFiles() { return HoldsPatchFolder() || HoldsModelFile() || platform::DirectoryExists(kSupportFolder); }

}  // namespace

std::string WhyNotAWorkingFolder(std::string_view name) {
  const std::string shown(name);
  if (const std::string archive = GameArchiveIn(""); !archive.empty()) {
    return shown + " holds the game's own archives (" + archive +
           "): it is the game's folder, not one of its working folders. Pick one of the folders in it: "
           "Multi, Simpatch, Shellpat or 3dpatch.";
  }
  const std::string own = platform::SplitLastComponent(platform::CurrentDirectory()).name;
  if (GameArchiveIn("..\\").empty() && !BesideAnotherWorkingFolder(own)) {
    return shown +
           " is not a working folder of the game: the folder above it holds neither the game's archives "
           "(rb.vol, rbshell.vol, rbtest.vol, lowres.vol) nor another of its working folders (Multi, Simpatch, "
           "Shellpat, 3dpatch).";
  }
  if (!IsWorkingFolderName(own) && !HoldsWorkingFiles()) {
    return shown +
           " is not a working folder of the game: it is none of Multi, Simpatch, Shellpat and 3dpatch, and it "
           "holds no patch folder, no model file and no vantrel-files folder.";
  }
  return "";
}

std::string EnterIfWorkingFolder(std::string_view folder, std::string_view name) {
  const std::string before = platform::CurrentDirectory();
  NamingFile(name, [&] { platform::ChangeDirectory(folder); });
  std::string why;
  try {
    why = WhyNotAWorkingFolder(name);
  } catch (...) {
    platform::ChangeDirectory(before);
    throw;
  }
  if (!why.empty()) platform::ChangeDirectory(before);
  return why;
}

}  // namespace vantrel
