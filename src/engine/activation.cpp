#include "engine/activation.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "catalogue/accessors.h"
#include "engine/aircraft_body.h"
#include "engine/code_fields.h"
#include "engine/file_errors.h"
#include "engine/job.h"
#include "engine/job_steps.h"
#include "engine/ledger.h"
#include "engine/ledger_steps.h"
#include "engine/object_bodies.h"
#include "engine/recovery.h"
#include "engine/script_file.h"
#include "engine/script_text.h"
#include "engine/slot_layers.h"
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

enum class Trailer { None, SelfDeletion, SelfDeletionAndPause };

using Body = std::function<void(Job&)>;

// Windows' cmd copies through a symbolic link wherever it leads, so every file a job puts in
// place is checked before any shell runs it; ours checks again as it writes. The model files'
// records are written in place, through every name the file has, and are checked before the
// ledger or any record changes.
void RefuseWritesOutOfTheGame(const Job& job) {
  for (const PlannedCopy& copy : job.plan.copies) platform::CheckJobWriteInGameTree(copy.target);
  if (!job.plan.marker.empty()) platform::CheckJobWriteInGameTree(job.plan.marker);
  for (const RecordMove& move : job.recordMoves) platform::CheckInPlaceWriteInGameTree(move.target);
}

// Whether a job writes its script and makes its changes, or only tells what it would do.
enum class Mode { Write, Plan };

// The frame of every job: the body, then the trailer. The script is written beside its name
// and takes it only once the ledger knows the job and the game's own files it replaces are
// kept whole, so that no shell, ours or Windows' own, ever finds it before then. A job
// refused on the way (a link out of the game, a file the ledger cannot account for) leaves
// no script behind to be run by hand. A plan runs the same body on a script that goes
// nowhere, and stops before the ledger's steps: it writes nothing at all.
JobPlan WriteJobScript(Session& s, const std::string& name, const Body& body, Trailer trailer, Mode mode) {
  if (mode == Mode::Plan) {
    ScriptFile planned;
    Job job(s, planned);
    job.planOnly = true;
    job.plan.script = name;
    job.ledger = ReadGameLedger();
    body(job);
    RefuseWritesOutOfTheGame(job);
    job.plan.steps = StepsOf(job, JobsCutShort(job.ledger));
    return std::move(job.plan);
  }
  // A job cut short is finished or undone first: the new one builds on whole jobs only.
  for (const std::string& told : RecoverJobs()) {
    if (s.showMessage) s.showMessage(told);
  }
  const std::string written = UnfinishedScript(name);
  return NamingFile(name, [&] {
    std::optional<ScriptFile> scriptFile(std::in_place, written);
    Job job(s, *scriptFile);
    job.plan.script = name;
    try {
      job.ledger = ReadGameLedger();
      body(job);
      if (trailer != Trailer::None) scriptFile->WriteLine(SelfDeletionLine(name));
      if (trailer == Trailer::SelfDeletionAndPause) scriptFile->WriteLine("Pause");
      scriptFile->Close();
      RefuseWritesOutOfTheGame(job);
      job.plan.steps = StepsOf(job, false);
      PrepareLedger(job, [&] { platform::MoveFileTo(written, name); });
    } catch (const Error&) {
      scriptFile.reset();
      if (platform::FileExists(written)) platform::DeleteFileAt(written);
      throw;
    }
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

JobPlan ActivationJob(Session& s, Mode mode) {
  // Read before anything else: with no patch selected the operation ends here, writing nothing.
  const std::string patchIndex = PatchIndexHex(s.cat);
  const std::uint8_t patchType = HexValue(patchIndex);

  RefuseNamesScriptsCannotHold(PatchFolder(s.cat));
  if (patchType >= kFirstNonObjectIndex) {
    const bool volume = patchType == kVolumeIndex;
    if (volume) {
      RefuseMarkerThatCannotBe(VolumeMarkerName(PatchFolder(s.cat)), PatchFolder(s.cat));
    }
    JobPlan plan = WriteJobScript(
        s, VolumeScriptName(),
        [&](Job& job) {
          if (volume) InstallVolumePatch(job);
        },
        volume ? Trailer::SelfDeletion : Trailer::None, mode);
    plan.takesASlot = false;
    return plan;
  }

  // Only a patch that goes into a slot reads it: the accessor's first-entry default would
  // otherwise pick a slot the user never chose.
  const std::string slotCode = SlotCode(s.cat);
  const std::uint8_t classCode = ClassCodeOf(slotCode);
  const std::uint8_t slotType = TypeIndexOf(slotCode);
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
        } else {
          return;
        }
        PlanSlotInstall(job, slotCode, classCode == kAircraftClass);
      },
      Trailer::SelfDeletionAndPause, mode);
}

std::optional<JobPlan> DeactivationJob(Session& s, Mode mode) {
  const std::string code = ActiveCode(s.cat);
  if (s.cat.ListBox3.Count() == 0) return std::nullopt;
  if (!IsFourHexDigits(code)) throw Error("Invalid active patch entry: " + s.cat.ListBox3.SelectedText());
  const std::uint8_t classCode = ClassCodeOf(code);
  const std::uint8_t typeIndex = TypeIndexOf(code);

  if (typeIndex >= kFirstNonObjectIndex) {
    // The volume removal names its marker, the entry itself.
    if (typeIndex == kVolumeIndex) RefuseEntryScriptsCannotHold(s.cat.ListBox3.SelectedText());
    JobPlan plan = WriteJobScript(
        s, VolumeScriptName(),
        [&](Job& job) {
          if (typeIndex == kVolumeIndex) RemoveVolumePatch(job);
        },
        Trailer::SelfDeletion, mode);
    plan.takesASlot = false;
    return plan;
  }

  const std::string name = code + ".bat";
  return WriteJobScript(
      s, name,
      [&](Job& job) {
        if (classCode != kAircraftClass && !IsObjectClass(classCode)) return;
        const std::string marker = s.cat.ListBox3.SelectedText() + ".aop";
        if (const std::optional<LedgerEntry> entry = FindLedgerEntry(job.ledger, marker)) {
          WriteSlotRemoval(job, *entry, classCode == kAircraftClass);
        } else {
          NoteSlotFilesTaken(job, code, classCode == kAircraftClass);
          if (classCode == kAircraftClass) {
            // Installed before the ledger: the slot's own records return to stock, since the
            // pair of the last activation may belong to another slot entirely.
            RemoveAircraftPatch(job, code, RecordPair{typeIndex, typeIndex});
          } else {
            RemoveObjectPatch(job, code);
          }
        }
      },
      Trailer::SelfDeletion, mode);
}

}  // namespace

JobPlan WriteActivationScript(Session& s) { return ActivationJob(s, Mode::Write); }
std::optional<JobPlan> WriteDeactivationScript(Session& s) { return DeactivationJob(s, Mode::Write); }
JobPlan PlanActivation(Session& s) { return ActivationJob(s, Mode::Plan); }
std::optional<JobPlan> PlanDeactivation(Session& s) { return DeactivationJob(s, Mode::Plan); }

void StartJobScript(Session& s, std::string_view scriptName) {
  RunShell(s.showMessage, s.shellProgram, "/C " + std::string(scriptName));
}

void ActivateSelection(Session& s) { StartJobScript(s, WriteActivationScript(s).script); }

void DeactivateSelection(Session& s) {
  if (auto plan = WriteDeactivationScript(s)) StartJobScript(s, plan->script);
}

}  // namespace vantrel
