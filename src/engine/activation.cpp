#include "engine/activation.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "catalogue/accessors.h"
#include "engine/aircraft_body.h"
#include "engine/code_fields.h"
#include "engine/file_errors.h"
#include "engine/job.h"
#include "engine/object_bodies.h"
#include "engine/script_file.h"
#include "engine/script_text.h"
#include "engine/volume_bodies.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/game_tree.h"
#include "platform/names.h"
#include "platform/text_file.h"
#include "rbext/hex_value.h"
#include "rbext/run_shell.h"

namespace vantrel {

namespace {

constexpr std::uint8_t kFirstObjectClass = 0x04;
constexpr std::uint8_t kLastObjectClass = 0x0E;
constexpr const char* kVolumeScript = "0099.bat";

enum class Trailer { None, SelfDeletion, SelfDeletionAndPause };

using Body = std::function<void(Job&)>;

// Windows' cmd copies through a symbolic link wherever it leads, so every file a job puts in
// place is checked before any shell runs it; ours checks again as it writes. A script that
// would write out of the game is not left behind to be run by hand.
void RefuseWritesOutOfTheGame(const JobPlan& plan) {
  try {
    for (const PlannedCopy& copy : plan.copies) platform::CheckJobWriteInGameTree(copy.target);
    if (!plan.marker.empty()) platform::CheckJobWriteInGameTree(plan.marker);
  } catch (const Error&) {
    platform::DeleteFileAt(plan.script);
    throw;
  }
}

// The frame of every job: the body, then the trailer. The file is closed before anyone
// starts the shell on it; after an error it is closed too, holding what was written.
JobPlan WriteJobScript(Session& s, const std::string& name, const Body& body, Trailer trailer) {
  return NamingFile(name, [&] {
    ScriptFile scriptFile(name);
    Job job(s, scriptFile);
    job.plan.script = name;
    body(job);
    if (trailer != Trailer::None) scriptFile.WriteLine(SelfDeletionLine(name));
    if (trailer == Trailer::SelfDeletionAndPause) scriptFile.WriteLine("Pause");
    scriptFile.Close();
    RefuseWritesOutOfTheGame(job.plan);
    return std::move(job.plan);
  });
}

// A marker the file system cannot hold would leave the slot's files installed with nothing
// that lists or removes them, so such a patch is refused before anything is written.
void RefuseMarkerThatCannotBe(const std::string& marker, const std::string& folder) {
  if (!platform::FitsInOneName(marker)) {
    throw Error("The patch folder's name is too long for its activation marker; rename the folder: " + folder);
  }
}

bool IsObjectClass(std::uint8_t classCode) {
  return classCode >= kFirstObjectClass && classCode <= kLastObjectClass;
}

bool IsFourHexDigits(std::string_view code) {
  return code.size() == 4 &&
         std::all_of(code.begin(), code.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

}  // namespace

JobPlan WriteActivationScript(Session& s) {
  // Read before anything else: with no patch selected the operation ends here, writing nothing.
  const std::string patchIndex = PatchIndexHex(s.cat);
  const std::string slotCode = SlotCode(s.cat);
  const std::uint8_t classCode = ClassCodeOf(slotCode);
  const std::uint8_t patchType = HexValue(patchIndex);
  const std::uint8_t slotType = TypeIndexOf(slotCode);

  RefuseNamesScriptsCannotHold(PatchFolder(s.cat));
  if (patchType >= kFirstNonObjectIndex) {
    const bool volume = patchType == kVolumeIndex;
    if (volume) {
      RefuseMarkerThatCannotBe(VolumeMarkerName(PatchFolder(s.cat)), PatchFolder(s.cat));
      // Before the script exists: whoever runs it, and in whichever shell, finds the
      // originals kept whole.
      KeepGameArchives(PatchFolder(s.cat));
    }
    return WriteJobScript(
        s, kVolumeScript,
        [&](Job& job) {
          if (volume) InstallVolumePatch(job);
        },
        volume ? Trailer::SelfDeletion : Trailer::None);
  }

  if (classCode == kAircraftClass || IsObjectClass(classCode)) {
    RefuseMarkerThatCannotBe(MarkerName(slotCode, PatchFolder(s.cat)), PatchFolder(s.cat));
  }
  const std::string name = slotCode + ".bat";
  return WriteJobScript(
      s, name,
      [&](Job& job) {
        s.sourceIndex = patchType;
        s.targetIndex = slotType;
        if (classCode == kAircraftClass) {
          InstallAircraftPatch(job);
        } else if (IsObjectClass(classCode)) {
          InstallObjectPatch(job);
        }
      },
      Trailer::SelfDeletionAndPause);
}

std::optional<JobPlan> WriteDeactivationScript(Session& s) {
  const std::string code = ActiveCode(s.cat);
  if (s.cat.ListBox3.Count() == 0) return std::nullopt;
  if (!IsFourHexDigits(code)) throw Error("Invalid active patch entry: " + s.cat.ListBox3.SelectedText());
  const std::uint8_t classCode = ClassCodeOf(code);
  const std::uint8_t typeIndex = TypeIndexOf(code);

  if (typeIndex >= kFirstNonObjectIndex) {
    // The volume removal names its marker, the entry itself.
    if (typeIndex == kVolumeIndex) RefuseEntryScriptsCannotHold(s.cat.ListBox3.SelectedText());
    return WriteJobScript(
        s, kVolumeScript,
        [&](Job& job) {
          if (typeIndex == kVolumeIndex) RemoveVolumePatch(job);
        },
        Trailer::SelfDeletion);
  }

  const std::string name = code + ".bat";
  return WriteJobScript(
      s, name,
      [&](Job& job) {
        if (classCode == kAircraftClass) {
          // The slot's own records return to stock: the pair of the last activation may
          // belong to another slot entirely.
          RemoveAircraftPatch(job, code, RecordPair{typeIndex, typeIndex});
        } else if (IsObjectClass(classCode)) {
          RemoveObjectPatch(job, code);
        }
      },
      Trailer::SelfDeletion);
}

void StartJobScript(Session& s, std::string_view scriptName) {
  RunShell(s.showMessage, s.shellProgram, "/C " + std::string(scriptName));
}

void ActivateSelection(Session& s) { StartJobScript(s, WriteActivationScript(s).script); }

void DeactivateSelection(Session& s) {
  if (auto plan = WriteDeactivationScript(s)) StartJobScript(s, plan->script);
}

}  // namespace vantrel
