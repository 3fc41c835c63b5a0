#include "engine/object_bodies.h"

#include <array>

#include "catalogue/accessors.h"
#include "platform/search.h"

namespace vantrel {

namespace {

constexpr std::array<std::string_view, 3> kObjectExtensions = {".dml", ".dts", ".bmp"};

}  // namespace

std::string MarkerDeletionLine(std::string_view code) {
  return "del " + QuotedName(std::string(code) + "*.aop");
}

std::string MarkerCreationLine(std::string_view slotCode, std::string_view patchFolder) {
  return "echo Active > " + QuotedName(std::string(slotCode) + "_" + std::string(patchFolder) + ".aop");
}

void WriteCopyLines(platform::TextFileWriter& scriptFile, CopyForm form, std::string_view folder,
                    std::string_view mask, const std::function<std::string(std::string_view)>& target) {
  const std::string folderPrefix = std::string(folder) + "\\";
  for (const auto& found : platform::FindEntries(folderPrefix + std::string(mask), platform::Admit::Files)) {
    scriptFile.WriteLine(CopyLine(form, folderPrefix + found.name, target(found.name)));
  }
}

void CopyObjectFiles(Session& s, platform::TextFileWriter& scriptFile) {
  const std::string folder = PatchFolder(s.cat);
  const std::string patchCode = PatchCode(s.cat);
  const std::string slotCode = SlotCode(s.cat);
  // The whole rest of the name: a cut one would install a file that no removal pattern finds.
  const auto underSlotCode = [&](std::string_view name) { return slotCode + std::string(From(name, 5)); };
  for (std::string_view extension : kObjectExtensions) {
    WriteCopyLines(scriptFile, kObjectCopy, folder, patchCode + "????" + std::string(extension), underSlotCode);
  }
}

void InstallObjectPatch(Session& s, platform::TextFileWriter& scriptFile) {
  const std::string slotCode = SlotCode(s.cat);
  scriptFile.WriteLine("echo deleting " + slotCode);
  RemoveObjectPatch(scriptFile, slotCode);
  scriptFile.WriteLine(MarkerDeletionLine(slotCode));
  CopyObjectFiles(s, scriptFile);
  scriptFile.WriteLine(MarkerCreationLine(slotCode, PatchFolder(s.cat)));
}

void DeleteObjectFiles(platform::TextFileWriter& scriptFile, std::string_view code) {
  for (std::string_view extension : kObjectExtensions) {
    scriptFile.WriteLine("del " + std::string(code) + "????" + std::string(extension));
  }
}

void RemoveObjectPatch(platform::TextFileWriter& scriptFile, std::string_view code) {
  DeleteObjectFiles(scriptFile, code);
  scriptFile.WriteLine(MarkerDeletionLine(code));
}

}  // namespace vantrel
