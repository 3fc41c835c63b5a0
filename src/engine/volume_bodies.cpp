#include "engine/volume_bodies.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/list_line.h"
#include "engine/file_errors.h"
#include "engine/script_text.h"
#include "platform/files.h"
#include "platform/search.h"
#include "rbext/text_utils.h"

namespace vantrel {

namespace {

constexpr std::string_view kVolumeMarkerTail = "_vol_patch";

// Where an archive of the game lives, and how the removal's del line starts for it.
struct ArchiveHome {
  std::string_view folder;
  std::string_view delHead;
};

struct ArchiveName {
  std::string_view name;  // lower case
  ArchiveHome home;
};

constexpr ArchiveHome kMulti{"..\\multi\\", "del "};
constexpr ArchiveHome kGame{"..\\", "del "};
constexpr ArchiveHome k3dPatch{"..\\3dpatch\\", "del  "};

constexpr std::array<ArchiveName, 10> kArchives = {{
    {"rbmmulti.vol", kMulti},
    {"rbmulti.vol", kMulti},
    {"lowres.vol", kGame},
    {"rbtest.vol", kGame},
    {"rbshell.vol", kGame},
    {"rb.vol", kGame},
    {"3dspring.vol", k3dPatch},
    {"3dwinter.vol", k3dPatch},
    {"3dfall.vol", k3dPatch},
    {"3dpatch.vol", k3dPatch},
}};

std::optional<ArchiveHome> HomeOf(std::string_view lowerName) {
  for (const ArchiveName& archive : kArchives) {
    if (archive.name == lowerName) return archive.home;
  }
  return std::nullopt;
}

struct RecognisedArchive {
  std::string name;  // lower case, as the lines write it
  ArchiveHome home;
  std::string Target() const { return std::string(home.folder) + name; }
};

// The recognised archives among `found`, in its order; archives of other names are ignored.
std::vector<RecognisedArchive> Recognised(const std::vector<std::string>& found) {
  std::vector<RecognisedArchive> archives;
  for (const std::string& foundName : found) {
    std::string name = LowerName(foundName);
    if (auto home = HomeOf(name)) archives.push_back({std::move(name), *home});
  }
  return archives;
}

std::vector<std::string> VolumesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (auto& found : platform::FindEntries(folder + "\\*.vol", platform::Admit::Files)) {
    names.push_back(std::move(found.name));
  }
  return names;
}

// A folder part that would send the search out of the patch folders, into the working
// folder itself or the game's folder, whose own archives the removal would then delete.
bool LeavesPatchFolders(std::string_view folder) { return folder.empty() || folder == "." || folder == ".."; }

}  // namespace

std::string VolumeMarkerName(std::string_view patchFolder) {
  return "0099_" + std::string(patchFolder) + std::string(kVolumeMarkerTail) + ".aop";
}

std::vector<std::string> ArchivesReplacedBy(std::string_view patchFolder) {
  std::vector<std::string> targets;
  for (const RecognisedArchive& archive : Recognised(VolumesIn(std::string(patchFolder)))) {
    targets.push_back(archive.Target());
  }
  return targets;
}

void KeepGameArchives(std::string_view patchFolder) {
  for (const std::string& target : ArchivesReplacedBy(patchFolder)) {
    const std::string backup = target + ".orig";
    if (!platform::FileExists(target) || platform::FileExists(backup)) continue;
    NamingFile(backup, [&] { platform::CopyFileKeepTime(target, backup); });
  }
}

void InstallVolumePatch(Job& job) {
  ScriptFile& scriptFile = job.scriptFile;
  const std::string& folder = job.patchFiles.Folder();
  for (const RecognisedArchive& archive : Recognised(job.patchFiles.Find("*.vol"))) {
    const std::string source = folder + "\\" + archive.name;
    const std::string target = ShellPath(archive.Target());
    const std::string backup = ShellPath(archive.Target() + ".orig");
    const std::string copy = "copy " + ShellPath(source) + " " + target;
    scriptFile.WriteLine("if exist " + target + " if not exist " + backup + " copy " + target + " " + backup);
    // The game's archive is overwritten only once its backup is there; when the backup
    // could not be made (a full disk), the archive stays and the job fails.
    job.WriteCopy("if exist " + backup + " " + copy, source, archive.Target());
    scriptFile.WriteLine("if not exist " + target + " " + copy);
  }
  job.plan.marker = VolumeMarkerName(folder);
  scriptFile.WriteLine("echo OK > " + ShellPath(job.plan.marker));
}

void RemoveVolumePatch(Job& job) {
  ScriptFile& scriptFile = job.scriptFile;
  const std::string entry = job.s.cat.ListBox3.SelectedText();
  const std::string folderAndTail(LineName(entry));
  const std::size_t tail = folderAndTail.find(kVolumeMarkerTail);
  if (tail != std::string::npos && !LeavesPatchFolders(folderAndTail.substr(0, tail))) {
    // The folder named in the entry, not the selected patch: it is read as it is now.
    for (const RecognisedArchive& archive : Recognised(VolumesIn(folderAndTail.substr(0, tail)))) {
      const std::string target = ShellPath(archive.Target());
      const std::string backup = ShellPath(archive.Target() + ".orig");
      // The move replaces the patch's archive with the original in one step; an archive is
      // deleted only when no original is kept for it (the game had none).
      scriptFile.WriteLine("if not exist " + backup + " " + std::string(archive.home.delHead) + target);
      scriptFile.WriteLine("if exist " + backup + " move " + backup + " " + target);
    }
  }
  job.plan.removedMarkers = "0099_" + folderAndTail + ".aop";
  scriptFile.WriteLine("del " + ShellPath(job.plan.removedMarkers));
}

}  // namespace vantrel
