#include "engine/aircraft_body.h"

#include <array>
#include <string>

#include "catalogue/accessors.h"
#include "engine/object_bodies.h"
#include "engine/script_text.h"
#include "engine/support_folder.h"
#include "platform/search.h"

namespace vantrel {

namespace {

constexpr std::array<std::string_view, 2> kIndexedBitmapPrefixes = {"win?", "str?"};

void CopyDamageTable(platform::TextFileWriter& scriptFile, const std::string& folder,
                     const std::string& patchIndex, const std::string& slotIndex) {
  const std::string own =
      platform::FindFirstName(folder + "\\" + patchIndex + "damage.dat", platform::Admit::Files);
  if (!own.empty()) {
    scriptFile.WriteLine(CopyLine(kBitmapCopy, folder + "\\" + own, slotIndex + std::string(From(own, 3))));
  } else {
    // Missing here too is the shell copy's business: the line is written all the same.
    scriptFile.WriteLine(CopyLine(kBitmapCopy, std::string(kSupportFolder) + patchIndex + "damage.dat",
                                  slotIndex + "damage.dat"));
  }
}

}  // namespace

void InstallAircraftPatch(Session& s, platform::TextFileWriter& scriptFile) {
  const std::string slotCode = SlotCode(s.cat);
  scriptFile.WriteLine("echo deleting " + slotCode);
  RemoveAircraftPatch(s, scriptFile, slotCode, RecordPair{s.sourceIndex, s.targetIndex});
  scriptFile.WriteLine(MarkerDeletionLine(slotCode));
  const std::string folder = PatchFolder(s.cat);
  scriptFile.WriteLine(MarkerCreationLine(slotCode, folder));
  CopyObjectFiles(s, scriptFile);

  const std::string patchIndex = PatchIndexHex(s.cat);
  const std::string slotIndex = SlotIndexHex(s.cat);
  for (std::string_view prefix : kIndexedBitmapPrefixes) {
    WriteCopyLines(scriptFile, kBitmapCopy, folder, std::string(prefix) + patchIndex + "*.bmp",
                   [&](std::string_view name) {
                     return std::string(name.substr(0, 4)) + slotIndex + std::string(From(name, 7));
                   });
  }
  WriteCopyLines(scriptFile, kBitmapCopy, folder, "planep" + patchIndex + ".bmp", [&](std::string_view name) {
    return std::string(name.substr(0, 6)) + slotIndex + std::string(From(name, 9));
  });
  if (s.fmdmChanging) CopyDamageTable(scriptFile, folder, patchIndex, slotIndex);

  TransferModelRecords(s, false);
}

void RemoveAircraftPatch(Session& s, platform::TextFileWriter& scriptFile, std::string_view code,
                         RecordPair restorePair) {
  TransferModelRecords(s, true, restorePair);
  const std::string slot(code);
  const std::string typeIndex(From(code, 3).substr(0, 2));
  scriptFile.WriteLine("echo deleting " + slot);
  DeleteObjectFiles(scriptFile, slot);
  scriptFile.WriteLine("del  win?" + typeIndex + "??.bmp");
  scriptFile.WriteLine("del  str?" + typeIndex + "??.bmp");
  scriptFile.WriteLine("del " + typeIndex + "damage.dat");
  scriptFile.WriteLine(MarkerDeletionLine(slot));
  scriptFile.WriteLine("pause ");
}

}  // namespace vantrel
