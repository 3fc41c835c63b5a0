#include "engine/activation_guards.h"

#include <optional>
#include <string_view>

#include "catalogue/list_line.h"
#include "engine/code_fields.h"
#include "engine/object_bodies.h"
#include "engine/volume_bodies.h"
#include "platform/names.h"
#include "platform/search.h"

namespace vantrel {

namespace {

constexpr std::string_view kMarkerExtension = ".aop";

// The Destination slots line the activation would use, without selecting it.
std::optional<std::string> SlotLineToUse(const EntryList& slots) {
  if (slots.Selected()) return slots.SelectedText();
  if (slots.Count() == 0) return std::nullopt;
  return slots.At(0);
}

// "0305 Halberstadt D.2": the slot names carry blanks at either end for the list's columns.
std::string SlotWords(std::string_view slotLine) {
  std::string_view name = LineName(slotLine);
  const std::size_t first = name.find_first_not_of(' ');
  name = first == std::string_view::npos ? std::string_view{} : name.substr(first, name.find_last_not_of(' ') - first + 1);
  return std::string(LineCode(slotLine)) + " " + std::string(name);
}

// The folders named by the slot's markers, other than `patchFolder`: the patches the job
// would take out of the slot.
std::vector<std::string> OtherPatchesIn(std::string_view slotCode, std::string_view patchFolder) {
  std::vector<std::string> others;
  for (const auto& marker : platform::FindEntries(MarkerName(slotCode, "*"), platform::Admit::Files)) {
    const std::string_view name = marker.name;
    const std::string_view folder = name.substr(slotCode.size() + 1, name.size() - slotCode.size() - 1 - kMarkerExtension.size());
    if (!platform::SameNameIgnoringCase(folder, patchFolder)) others.emplace_back(folder);
  }
  return others;
}

std::string ClassQuestion(std::string_view patchFolder, bool aircraftPatch, std::string_view slotLine) {
  const std::string patch(patchFolder);
  const std::string slot = "slot " + SlotWords(slotLine);
  if (aircraftPatch) return patch + " is an aircraft patch; " + slot + " is not an aircraft slot. Install it there?";
  return patch + " is not an aircraft patch; " + slot + " is an aircraft slot. Install it there?";
}

std::string ArchivesQuestion(std::string_view patchFolder, const std::vector<std::string>& archives) {
  std::string list;
  for (const std::string& archive : archives) list += (list.empty() ? "" : ", ") + archive;
  return std::string(patchFolder) + " replaces the game archives " + list +
         "; the originals are kept as .orig and put back when it is removed. Go on?";
}

}  // namespace

std::vector<std::string> ActivationQuestions(const Catalogue& cat) {
  if (!cat.ListBox1.Selected()) return {};
  const std::string& patchLine = cat.ListBox1.SelectedText();
  const std::string folder(LineName(patchLine));
  const std::uint8_t patchType = TypeIndexOf(LineCode(patchLine));

  if (patchType == kVolumeIndex) {
    const std::vector<std::string> archives = ArchivesReplacedBy(folder);
    if (archives.empty()) return {};
    return {ArchivesQuestion(folder, archives)};
  }
  // Other patches of these type indexes take no slot and install nothing.
  if (patchType >= kFirstNonObjectIndex) return {};

  const std::optional<std::string> slotLine = SlotLineToUse(cat.ListBox2);
  if (!slotLine) return {};
  const std::string slotCode(LineCode(*slotLine));
  std::vector<std::string> questions;
  for (const std::string& other : OtherPatchesIn(slotCode, folder)) {
    questions.push_back("Slot " + slotCode + " holds " + other + ". Replace it?");
  }
  const bool aircraftPatch = ClassCodeOf(LineCode(patchLine)) == kAircraftClass;
  const bool aircraftSlot = ClassCodeOf(slotCode) == kAircraftClass;
  if (aircraftPatch != aircraftSlot) questions.push_back(ClassQuestion(folder, aircraftPatch, *slotLine));
  return questions;
}

bool ActivationAllowed(const Catalogue& cat, const QuestionHook& ask) {
  for (const std::string& question : ActivationQuestions(cat)) {
    if (!ask(question)) return false;
  }
  return true;
}

}  // namespace vantrel
