#include "engine/aircraft_body.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/accessors.h"
#include "engine/object_bodies.h"
#include "engine/record_moves.h"
#include "engine/script_text.h"
#include "engine/support_folder.h"

namespace vantrel {

namespace {

constexpr std::array<std::string_view, 2> kIndexedBitmapPrefixes = {"win?", "str?"};

void CopyDamageTable(Job& job, const std::string& patchIndex, const std::string& slotIndex) {
  const std::vector<std::string> own = job.patchFiles.Find(patchIndex + "damage.dat");
  if (!own.empty()) {
    job.WriteCopy(kBitmapCopy, job.patchFiles.Folder() + "\\" + own.front(), slotIndex + std::string(From(own.front(), 3)));
  } else {
    // Missing here too is the shell copy's business: the line is written all the same.
    job.WriteCopy(kBitmapCopy, std::string(kSupportFolder) + patchIndex + "damage.dat", slotIndex + "damage.dat");
  }
}

}  // namespace

void InstallAircraftPatch(Job& job) {
  Session& s = job.s;
  const std::string slotCode = SlotCode(s.cat);
  job.scriptFile.WriteLine("echo deleting " + slotCode);
  WriteAircraftRemovalLines(job, slotCode);
  WriteMarkerDeletion(job, slotCode);
  CopyObjectFiles(job);

  const std::string patchIndex = PatchIndexHex(s.cat);
  const std::string slotIndex = SlotIndexHex(s.cat);
  for (std::string_view prefix : kIndexedBitmapPrefixes) {
    WriteCopyLines(job, kBitmapCopy, std::string(prefix) + patchIndex + "*.bmp", [&](std::string_view name) {
      return std::string(name.substr(0, 4)) + slotIndex + std::string(From(name, 7));
    });
  }
  WriteCopyLines(job, kBitmapCopy, "planep" + patchIndex + ".bmp", [&](std::string_view name) {
    return std::string(name.substr(0, 6)) + slotIndex + std::string(From(name, 9));
  });
  if (s.fmdmChanging) CopyDamageTable(job, patchIndex, slotIndex);
  // After the copies, as in the object script: a job cut short never leaves a marker.
  WriteMarkerCreation(job, slotCode);
}

void RemoveAircraftPatch(Job& job, std::string_view code, RecordPair restorePair) {
  std::vector<RecordMove> stock = StockRecordMoves(restorePair);
  // Put back at once, before any line is written; a plan only tells them.
  if (job.planOnly) {
    job.recordMoves = std::move(stock);
  } else {
    MoveRecords(stock);
  }
  WriteAircraftRemovalLines(job, code);
}

void WriteAircraftRemovalLines(Job& job, std::string_view code) {
  const std::string slot(code);
  const std::string typeIndex(From(code, 3).substr(0, 2));
  job.scriptFile.WriteLine("echo deleting " + slot);
  DeleteObjectFiles(job, slot);
  job.scriptFile.WriteLine("del  win?" + typeIndex + "??.bmp");
  job.scriptFile.WriteLine("del  str?" + typeIndex + "??.bmp");
  job.scriptFile.WriteLine("del " + typeIndex + "damage.dat");
  WriteMarkerDeletion(job, slot);
  job.scriptFile.WriteLine("pause ");
}

}  // namespace vantrel
