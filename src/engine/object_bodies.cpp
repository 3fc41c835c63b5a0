#include "engine/object_bodies.h"

#include <array>

#include "catalogue/accessors.h"
#include "platform/names.h"

namespace vantrel {

namespace {

constexpr std::array<std::string_view, 3> kObjectExtensions = {".dml", ".dts", ".bmp"};

}  // namespace

void WriteMarkerDeletion(Job& job, std::string_view code) {
  job.plan.removedMarkers = std::string(code) + "*.aop";
  job.scriptFile.WriteLine("del " + QuotedName(job.plan.removedMarkers));
}

std::string MarkerName(std::string_view slotCode, std::string_view patchFolder) {
  return std::string(slotCode) + "_" + std::string(patchFolder) + ".aop";
}

void WriteMarkerCreation(Job& job, std::string_view slotCode) {
  job.plan.marker = MarkerName(slotCode, job.patchFiles.Folder());
  job.scriptFile.WriteLine("echo Active > " + QuotedName(job.plan.marker));
}

void WriteCopyLines(Job& job, CopyForm form, std::string_view mask,
                    const std::function<std::string(std::string_view)>& target) {
  for (const std::string& name : job.patchFiles.Find(mask)) {
    job.WriteCopy(form, job.patchFiles.Folder() + "\\" + name, target(name));
  }
}

void CopyObjectFiles(Job& job) {
  const std::string patchCode = PatchCode(job.s.cat);
  const std::string slotCode = SlotCode(job.s.cat);
  // The whole rest of the name: a cut one would install a file that no removal pattern finds.
  const auto underSlotCode = [&](std::string_view name) { return slotCode + std::string(From(name, 5)); };
  for (std::string_view extension : kObjectExtensions) {
    WriteCopyLines(job, kObjectCopy, patchCode + "????" + std::string(extension), underSlotCode);
  }
}

std::string ObjectCopyTarget(std::string_view slotCode, std::string_view ledgerName) {
  const bool ofTheSlot = ledgerName.size() > slotCode.size() && ledgerName.find('\\') == std::string_view::npos &&
                         platform::SameNameIgnoringCase(ledgerName.substr(0, slotCode.size()), slotCode);
  for (std::string_view extension : kObjectExtensions) {
    if (ofTheSlot && ledgerName.size() > extension.size() &&
        platform::SameNameIgnoringCase(ledgerName.substr(ledgerName.size() - extension.size()), extension)) {
      return std::string(kObjectCopy.targetFolder) + std::string(ledgerName);
    }
  }
  return std::string(ledgerName);
}

void InstallObjectPatch(Job& job) {
  const std::string slotCode = SlotCode(job.s.cat);
  job.scriptFile.WriteLine("echo deleting " + slotCode);
  RemoveObjectPatch(job, slotCode);
  WriteMarkerDeletion(job, slotCode);
  CopyObjectFiles(job);
  WriteMarkerCreation(job, slotCode);
}

void DeleteObjectFiles(Job& job, std::string_view code) {
  for (std::string_view extension : kObjectExtensions) {
    job.scriptFile.WriteLine("del " + std::string(code) + "????" + std::string(extension));
  }
}

void RemoveObjectPatch(Job& job, std::string_view code) {
  DeleteObjectFiles(job, code);
  WriteMarkerDeletion(job, code);
}

}  // namespace vantrel
