#include "engine/patch_sets.h"

#include <algorithm>

#include "engine/code_fields.h"
#include "engine/file_errors.h"
#include "engine/support_folder.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/game_tree.h"
#include "platform/make_folder.h"
#include "platform/names.h"
#include "platform/search.h"
#include "platform/text_file.h"
#include "platform/whole_write.h"

namespace vantrel {

namespace {

constexpr std::string_view kSetExtension = ".set";

std::string SetFile(const std::string& name) { return SetsFolder() + "\\" + name + std::string(kSetExtension); }

// The member an active patch is: its ledger record's folder and FM/DM choice; for a marker
// the ledger does not know, the folder its name gives.
SetMember MemberOf(const InstalledPatch& patch) {
  return {patch.slotCode, patch.record ? patch.record->fmdm : "off", HolderName(patch)};
}

bool SameMember(const SetMember& a, const SetMember& b) {
  return platform::SameNameIgnoringCase(a.slot, b.slot) && platform::SameNameIgnoringCase(a.folder, b.folder) &&
         platform::SameNameIgnoringCase(a.fmdm, b.fmdm);
}

std::uint64_t OrderOf(const InstalledPatch& patch) { return patch.record ? patch.record->order : 0; }

}  // namespace

std::string SetsFolder() { return std::string(kSupportFolder) + "sets"; }

std::vector<SetMember> ActiveMembers(const Catalogue& cat) {
  std::vector<InstalledPatch> installed = InstalledPatches(cat);
  std::stable_sort(installed.begin(), installed.end(),
                   [](const InstalledPatch& a, const InstalledPatch& b) { return OrderOf(a) < OrderOf(b); });
  std::vector<SetMember> members;
  for (const InstalledPatch& patch : installed) members.push_back(MemberOf(patch));
  return members;
}

std::string SetText(const PatchSet& set) {
  std::string text = "# Vantrel patch set \"" + set.name + "\": a line a patch, SLOT FMDM FOLDER, in install order\r\n";
  for (const SetMember& member : set.members) text += member.slot + " " + member.fmdm + " " + member.folder + "\r\n";
  return text;
}

PatchSet ParseSet(std::string_view text, const std::string& name, const std::string& source) {
  PatchSet set{name, {}};
  int number = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    const std::size_t slotEnd = line.find(' ');
    const std::size_t fmdmEnd = slotEnd == std::string::npos ? std::string::npos : line.find(' ', slotEnd + 1);
    if (slotEnd != 4 || fmdmEnd == std::string::npos || fmdmEnd + 1 >= line.size()) {
      throw Error(source + ", line " + std::to_string(number) + ": not SLOT FMDM FOLDER: " + line);
    }
    set.members.push_back({line.substr(0, 4), line.substr(5, fmdmEnd - 5), line.substr(fmdmEnd + 1)});
  }
  return set;
}

void CheckSetName(const std::string& name) {
  const bool bad = name.empty() || name.size() > 64 || name.front() == '.' || name.front() == ' ' ||
                   name.back() == ' ' || name.back() == '.' ||
                   name.find_first_of("\\/:*?\"<>|\t\r\n") != std::string::npos;
  if (bad) {
    throw Error("\"" + name + "\" cannot name a patch set: use up to 64 characters, none of \\ / : * ? \" < > |, "
                "not starting with a dot nor ending with a dot or a blank.");
  }
}

void SaveSet(const PatchSet& set) {
  CheckSetName(set.name);
  NamingFile(SetFile(set.name), [&] {
    platform::MakeFolders(SetsFolder());
    platform::WriteFileWhole(SetFile(set.name), SetText(set));
  });
}

PatchSet ReadSet(const std::string& name) {
  CheckSetName(name);
  const std::string file = SetFile(name);
  if (!platform::FileExists(file)) throw Error("There is no patch set " + name + ".");
  return ReadSetFile(file, name);
}

PatchSet ReadSetFile(const std::string& file, const std::string& name) {
  return ParseSet(ReadOwnTextFile(file), name, file);
}

std::vector<std::string> SetNames() {
  std::vector<std::string> names;
  if (!platform::DirectoryExists(SetsFolder())) return names;
  for (const auto& found : platform::FindEntries(SetsFolder() + "\\*" + std::string(kSetExtension), platform::Admit::Files)) {
    names.push_back(found.name.substr(0, found.name.size() - kSetExtension.size()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

void DeleteSet(const std::string& name) {
  ReadSet(name);  // says so when there is none
  NamingFile(SetFile(name), [&] { platform::DeleteFileAt(SetFile(name)); });
}

SetChanges ChangesTo(const PatchSet& set, const Catalogue& cat) {
  std::vector<InstalledPatch> installed = InstalledPatches(cat);
  std::stable_sort(installed.begin(), installed.end(),
                   [](const InstalledPatch& a, const InstalledPatch& b) { return OrderOf(a) > OrderOf(b); });
  SetChanges changes;
  std::vector<SetMember> kept;
  for (const InstalledPatch& patch : installed) {
    const SetMember member = MemberOf(patch);
    const bool held = std::any_of(set.members.begin(), set.members.end(),
                                  [&member](const SetMember& wanted) { return SameMember(wanted, member); });
    if (held) {
      kept.push_back(member);
    } else {
      changes.remove.push_back(patch);
    }
  }
  for (const SetMember& wanted : set.members) {
    const bool active =
        std::any_of(kept.begin(), kept.end(), [&wanted](const SetMember& member) { return SameMember(wanted, member); });
    if (!active) changes.install.push_back(wanted);
  }
  return changes;
}

std::vector<std::string> MissingFolders(const PatchSet& set) {
  std::vector<std::string> missing;
  for (const SetMember& member : set.members) {
    if (!platform::DirectoryExists(member.folder)) missing.push_back(member.folder);
  }
  return missing;
}

std::string MissingText(const PatchSet& set) {
  std::string names;
  for (const std::string& folder : MissingFolders(set)) names += (names.empty() ? "" : ", ") + folder;
  if (names.empty()) return "";
  return "The patch set " + set.name + " names patch folders this working folder does not hold: " + names + ".";
}

void LeaveOutMissing(PatchSet& set) {
  std::erase_if(set.members, [](const SetMember& member) { return !platform::DirectoryExists(member.folder); });
}

PatchSet SetToImport(const std::string& file) {
  std::string name = platform::SplitLastComponent(file).name;
  if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.resize(dot);
  CheckSetName(name);
  return ReadSetFile(file, name);
}

namespace {

// The user names where a set is exported to: the one write of ours that may leave the game.
class WritesAnywhere {
 public:
  WritesAnywhere() { platform::ConfineWritesToGameTree(false); }
  ~WritesAnywhere() { platform::ConfineWritesToGameTree(was_); }
  WritesAnywhere(const WritesAnywhere&) = delete;
  WritesAnywhere& operator=(const WritesAnywhere&) = delete;

 private:
  bool was_ = platform::WritesConfined();
};

}  // namespace

void ExportSet(const std::string& name, const std::string& file) {
  const std::string text = SetText(ReadSet(name));
  const WritesAnywhere anywhere;
  NamingFile(file, [&] { platform::WriteFileWhole(file, text); });
}

}  // namespace vantrel
