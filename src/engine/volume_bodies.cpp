#include "engine/volume_bodies.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/list_line.h"
#include "engine/code_fields.h"
#include "engine/content_hash.h"
#include "engine/file_errors.h"
#include "engine/file_layers.h"
#include "engine/ledger.h"
#include "engine/restore_lines.h"
#include "engine/script_text.h"
#include "platform/files.h"
#include "platform/names.h"
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

}  // namespace

bool KeptInGameFolder(std::string_view archiveName) {
  for (const ArchiveName& archive : kArchives) {
    if (archive.home.folder == kGame.folder && platform::SameNameIgnoringCase(archive.name, archiveName)) return true;
  }
  return false;
}

namespace {

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

// The removal's del line for a game archive: its head as the archive's home writes it.
std::string DelHeadFor(std::string_view target) {
  for (const ArchiveName& archive : kArchives) {
    if (std::string(archive.home.folder) + std::string(archive.name) == LowerName(target)) return std::string(archive.home.delHead);
  }
  return "del ";
}

// A folder part that would send the search out of the patch folders, into the working
// folder itself or the game's folder, whose own archives the removal would then delete.
bool LeavesPatchFolders(std::string_view folder) { return folder.empty() || folder == "." || folder == ".."; }

// Whether `hash` is the bytes of an archive of an active volume patch that the ledger does
// not know: one installed before the ledger was kept, whose archive can be had again.
bool ActiveWithoutLedger(const Job& job, const std::string& hash) {
  for (const auto& marker : platform::FindEntries(std::string(kVolumePatchCode) + "_*" + std::string(kVolumeMarkerTail) + ".aop", platform::Admit::Files)) {
    if (FindLedgerEntry(job.ledger, marker.name)) continue;
    const std::string folder = VolumeMarkerFolder(marker.name);
    if (LeavesPatchFolders(folder)) continue;
    for (const std::string& archive : VolumesIn(folder)) {
      if (HashOfFile(folder + "\\" + archive) == hash) return true;
    }
  }
  return false;
}

// The removal of an install the ledger records: each archive goes back to the layer below.
void WriteLedgerRemoval(Job& job, const LedgerEntry& entry) {
  WriteRestoreLines(job, entry, [](const LedgerFile& file, const RestoreStep& step) -> std::vector<std::string> {
    const std::string target = ShellPath(file.target);
    const std::string from = ShellPath(step.from);
    switch (step.what) {
      case Restore::MoveKept:
        // As before the ledger: the move replaces the patch's archive with the original.
        return {"if not exist " + from + " " + DelHeadFor(file.target) + target, "if exist " + from + " move " + from + " " + target};
      case Restore::CopyBelow:
        return {"copy " + from + " " + target};
      case Restore::Delete:
        return {DelHeadFor(file.target) + target};
      case Restore::DropKept:
        return {"del " + from};
      default:
        return {};
    }
  });
}

// An install from before the ledger: the archives that the folder holds now are taken out,
// the kept originals moved back. An archive there goes only while it holds the folder's
// bytes, so that a removal run again after it had put the original back does not delete it.
void RemoveWithoutLedger(Job& job, const std::string& folder) {
  ScriptFile& scriptFile = job.scriptFile;
  for (const RecognisedArchive& archive : Recognised(VolumesIn(folder))) {
    const std::string target = ShellPath(archive.Target());
    const std::string backup = ShellPath(archive.Target() + ".orig");
    const std::string now = CurrentHash(archive.Target());
    if (!now.empty() && now != CurrentHash(folder + "\\" + archive.name)) {
      job.plan.keptAsTheyAre.push_back(archive.Target());
      continue;
    }
    // The move replaces the patch's archive with the original in one step; an archive is
    // deleted only when no original is kept for it (the game had none).
    scriptFile.WriteLine("if not exist " + backup + " " + std::string(archive.home.delHead) + target);
    scriptFile.WriteLine("if exist " + backup + " move " + backup + " " + target);
    const std::string kept = archive.Target() + ".orig";
    if (platform::FileExists(kept)) {
      job.restored.push_back({archive.Target(), {Restore::MoveKept, kept, ""}});
    } else if (!now.empty()) {
      job.restored.push_back({archive.Target(), {Restore::Delete, "", ""}});
    }
  }
}

}  // namespace

std::string VolumeMarkerName(std::string_view patchFolder) {
  return std::string(kVolumePatchCode) + "_" + std::string(patchFolder) + std::string(kVolumeMarkerTail) + ".aop";
}

std::string VolumeMarkerFolder(std::string_view marker) {
  const std::string head = std::string(kVolumePatchCode) + "_", tail = std::string(kVolumeMarkerTail) + ".aop";
  if (marker.size() < head.size() + tail.size() || !platform::SameNameIgnoringCase(marker.substr(0, head.size()), head) ||
      !platform::SameNameIgnoringCase(marker.substr(marker.size() - tail.size()), tail)) {
    return "";
  }
  return std::string(marker.substr(head.size(), marker.size() - head.size() - tail.size()));
}

std::vector<std::string> ArchivesReplacedBy(std::string_view patchFolder) {
  std::vector<std::string> targets;
  for (const RecognisedArchive& archive : Recognised(VolumesIn(std::string(patchFolder)))) {
    targets.push_back(archive.Target());
  }
  return targets;
}

void InstallVolumePatch(Job& job) {
  ScriptFile& scriptFile = job.scriptFile;
  const std::string& folder = job.patchFiles.Folder();
  for (const RecognisedArchive& archive : Recognised(job.patchFiles.Find("*.vol"))) {
    const std::string source = folder + "\\" + archive.name;
    const NewLayer layer = LayerOver(job.ledger, archive.Target(), HashOfFile(source), source,
                                     [&](const std::string& hash) { return ActiveWithoutLedger(job, hash); });
    const std::string target = ShellPath(archive.Target());
    const std::string copy = "copy " + ShellPath(source) + " " + target;
    job.layers.push_back(layer);
    if (layer.file.kept.empty() && !layer.current.empty()) {
      // Over another patch's archive where the game had none: nothing to keep.
      job.WriteCopy(copy, source, archive.Target());
      continue;
    }
    const std::string backup = ShellPath(archive.Target() + ".orig");
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
  const std::string entry = job.s.cat.ListBox3.SelectedText();
  const std::string folderAndTail(LineName(entry));
  const std::string marker = std::string(kVolumePatchCode) + "_" + folderAndTail + ".aop";
  if (const std::optional<LedgerEntry> recorded = FindLedgerEntry(job.ledger, marker)) {
    WriteLedgerRemoval(job, *recorded);
  } else {
    const std::size_t tail = folderAndTail.find(kVolumeMarkerTail);
    if (tail != std::string::npos && !LeavesPatchFolders(folderAndTail.substr(0, tail))) {
      RemoveWithoutLedger(job, folderAndTail.substr(0, tail));
    }
  }
  job.plan.removedMarkers = marker;
  job.scriptFile.WriteLine("del " + ShellPath(job.plan.removedMarkers));
}

}  // namespace vantrel
