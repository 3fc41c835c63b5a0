#include "cli/set_command.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <sstream>

#include "catalogue/scan.h"
#include "cli/activate_command.h"
#include "cli/list_commands.h"
#include "engine/code_fields.h"
#include "engine/patch_sets.h"
#include "platform/errors.h"

namespace vantrel::cli {

namespace {

// The arguments after the subcommand: exactly `count` words, and the flags allowed.
std::vector<std::string> Words(const std::vector<std::string>& args, std::size_t count, bool* partial = nullptr) {
  std::vector<std::string> words;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (partial && args[i] == "--partial") {
      *partial = true;
    } else if (args[i].starts_with("--")) {
      throw UsageError("unknown option '" + args[i] + "'");
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.size() < count) throw UsageError("missing argument");
  if (words.size() > count) throw UsageError("unexpected argument '" + words[count] + "'");
  return words;
}

std::string MemberLine(const SetMember& member) {
  return member.slot + " " + member.fmdm + " " + member.folder;
}

void PrintChanges(const SetChanges& changes, std::ostream& out) {
  if (changes.Empty()) out << "Nothing differs from what is active now.\n";
  for (const InstalledPatch& patch : changes.remove) out << "to remove: " << patch.entry << '\n';
  for (const SetMember& member : changes.install) out << "to install: " << MemberLine(member) << '\n';
}

// A member installed as an ordinary job: a volume patch goes into no slot.
void Install(Session& s, const SetMember& member) {
  s.fmdmChanging = false;
  s.fmVariantFlags = {};
  std::vector<std::string> args{member.folder, member.slot, "--no-pause"};
  if (member.fmdm != "off") args.insert(args.end(), {"--fm", member.fmdm});
  std::ostringstream list;  // each job's list of active patches; the last one is printed
  Activate(s, args, list);
}

// Each change a job of its own, one after the other with no pause to answer; the first that
// fails ends the sequence, told with what was done before it, and every job before it is whole.
void Apply(Session& s, const PatchSet& set, std::ostream& out) {
  if (const std::string missing = MissingText(set); !missing.empty()) throw Error(missing + " Nothing was changed.");
  const SetChanges changes = ChangesTo(set, s.cat);
  const std::size_t jobs = changes.remove.size() + changes.install.size();
  std::size_t done = 0;
  const auto step = [&](const std::string& what, const std::function<void()>& job) {
    try {
      job();
    } catch (const std::exception& e) {
      throw Error("The patch set stopped at " + what + ", after " + std::to_string(done) + " of " +
                  std::to_string(jobs) + " jobs: " + e.what());
    }
    out << what << ": done\n";
    ++done;
  };
  for (const InstalledPatch& patch : changes.remove) {
    step("removing " + patch.entry, [&] {
      std::ostringstream list;
      Deactivate(s, {patch.entry, "--no-pause"}, list);
    });
  }
  for (const SetMember& member : changes.install) {
    step("installing " + MemberLine(member), [&] { Install(s, member); });
  }
  ListActivePatches(s.cat);
  PrintEntries(s.cat.ListBox3.Items(), out);
}

}  // namespace

void Set(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  if (args.empty()) throw UsageError("set needs one of save, list, show, apply, delete, export, import");
  const std::string& what = args[0];
  if (what == "save") {
    const std::string name = Words(args, 1)[0];
    SaveSet({name, ActiveMembers(s.cat)});
    out << "Saved " << name << ".\n";
  } else if (what == "list") {
    Words(args, 0);
    for (const std::string& name : SetNames()) out << name << '\n';
  } else if (what == "show") {
    const PatchSet set = ReadSet(Words(args, 1)[0]);
    for (const SetMember& member : set.members) out << MemberLine(member) << '\n';
    PrintChanges(ChangesTo(set, s.cat), out);
  } else if (what == "apply") {
    Apply(s, ReadSet(Words(args, 1)[0]), out);
  } else if (what == "delete") {
    DeleteSet(Words(args, 1)[0]);
  } else if (what == "export") {
    const std::vector<std::string> words = Words(args, 2);
    ExportSet(words[0], words[1]);
  } else if (what == "import") {
    bool partial = false;
    PatchSet set = SetToImport(Words(args, 1, &partial)[0]);
    // --partial imports the patches whose folders are here, and says which it left out.
    if (const std::string missing = MissingText(set); !missing.empty()) {
      if (!partial) throw Error(missing + " Add them first, or import the rest with --partial.");
      out << missing << " They are left out.\n";
      LeaveOutMissing(set);
    }
    SaveSet(set);
    out << "Imported " << set.name << ".\n";
  } else {
    throw UsageError("unknown set command '" + what + "'");
  }
}

}  // namespace vantrel::cli
