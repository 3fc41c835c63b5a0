#include "engine/repair.h"

#include <utility>

#include "catalogue/list_line.h"
#include "catalogue/scan.h"
#include "engine/activation.h"
#include "engine/file_errors.h"
#include "engine/file_layers.h"
#include "engine/installed.h"
#include "engine/patch_status.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/names.h"

namespace vantrel {

namespace {

constexpr std::string_view kChangedExtension = ".changed";

const InstalledPatch& FindInstalled(const std::vector<InstalledPatch>& installed, std::string_view entry) {
  for (const InstalledPatch& patch : installed) {
    if (platform::SameNameIgnoringCase(patch.entry, entry)) return patch;
  }
  throw Error("There is no active patch " + std::string(entry) + ".");
}

// The repair goes only where it changes nothing but the patch's own files.
void RefuseWhatRepairCannotDo(const InstalledPatch& patch, const std::vector<LedgerEntry>& ledger,
                              const std::vector<FileFault>& faults) {
  const LedgerEntry& entry = *patch.record;
  if (!platform::DirectoryExists(entry.folder) || PatchShapeIn(entry.folder).empty()) {
    throw Error("The patch folder of " + patch.entry + " is gone: " + entry.folder + ". Nothing was changed.");
  }
  for (const LedgerFile& file : entry.files) {
    const LedgerEntry* top = TopLayer(ledger, file.target);
    if (top && !platform::SameNameIgnoringCase(top->marker, entry.marker)) {
      throw Error(file.target + " is held by " + top->folder + ", installed after " + patch.entry +
                  "; remove it first to repair " + patch.entry + ". Nothing was changed.");
    }
  }
  for (const FileFault& fault : faults) {
    if (fault.what == Fault::CouldNotLook) throw Error(fault.Text() + ". Nothing was changed.");
    const std::string keptAs = fault.target + std::string(kChangedExtension);
    if (fault.what == Fault::Changed && platform::StateOf(keptAs).exists) {
      throw Error(keptAs + " is there already, where the changed " + fault.shown +
                  " would be kept. Move it away, then try again. Nothing was changed.");
    }
  }
}

// The session of an activation of the recorded patch into its slot with its FM/DM choice.
void ChooseAsInstalled(Session& repair, const InstalledPatch& patch) {
  const LedgerEntry& entry = *patch.record;
  repair.cat.ListBox1.Append(ListLine(PatchShapeIn(entry.folder).substr(0, 4), entry.folder));
  repair.cat.ListBox1.Select(0);
  FillDestinationSlots(repair.cat);
  for (int i = 0; i < repair.cat.ListBox2.Count(); ++i) {
    if (platform::SameNameIgnoringCase(LineCode(repair.cat.ListBox2.At(i)), patch.slotCode)) repair.cat.ListBox2.Select(i);
  }
  repair.fmdmChanging = entry.fmdm != "off";
  constexpr std::string_view kVariants[] = {"S", "2", "3"};
  for (std::size_t i = 0; i < repair.fmVariantFlags.size(); ++i) {
    repair.fmVariantFlags[i] = ("," + entry.fmdm + ",").find("," + std::string(kVariants[i]) + ",") != std::string::npos;
  }
}

}  // namespace

std::optional<RepairJob> WriteRepairScript(Session& s, std::string_view entry) {
  const std::vector<LedgerEntry> ledger = ReadGameLedger();
  const std::vector<InstalledPatch> installed = InstalledPatches(s.cat, ledger);
  const InstalledPatch& patch = FindInstalled(installed, entry);
  if (!patch.record) {
    throw Error(patch.entry + " has no ledger record: what its install put in place is not known, so it cannot be "
                "repaired. Nothing was changed.");
  }
  const std::vector<FileFault> faults = FaultsOf(*patch.record, TopLayers(ledger), CurrentHash);
  if (faults.empty()) return std::nullopt;
  RefuseWhatRepairCannotDo(patch, ledger, faults);

  // Bytes of no patch's, a hand's or a game update's, are kept whole; the install then finds
  // the file gone and puts its own there, over the layer it keeps.
  RepairJob job;
  for (const FileFault& fault : faults) {
    if (fault.what != Fault::Changed || !platform::FileExists(fault.target)) continue;
    const std::string keptAs = fault.target + std::string(kChangedExtension);
    NamingFile(fault.target, [&] { platform::MoveFileTo(fault.target, keptAs); });
    job.kept.push_back(keptAs);
  }
  try {
    Session repair;
    repair.shellProgram = s.shellProgram;
    repair.showMessage = s.showMessage;
    ChooseAsInstalled(repair, patch);
    job.plan = WriteActivationScript(repair);
  } catch (...) {
    for (const std::string& keptAs : job.kept) {
      const std::string target = keptAs.substr(0, keptAs.size() - kChangedExtension.size());
      if (!platform::FileExists(target)) platform::MoveFileTo(keptAs, target);
    }
    throw;
  }
  return job;
}

}  // namespace vantrel
