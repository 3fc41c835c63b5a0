#include "cli/activate_command.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>

#include "catalogue/list_line.h"
#include "catalogue/scan.h"
#include "cli/list_commands.h"
#include "engine/activation.h"
#include "engine/activation_guards.h"
#include "engine/code_fields.h"
#include "engine/fmdm_choice.h"
#include "engine/job_outcome.h"
#include "engine/job_steps.h"
#include "engine/ledger.h"
#include "engine/recovery.h"
#include "engine/repair.h"
#include "platform/errors.h"
#include "platform/names.h"
#include "platform/running_program.h"
#include "rbext/run_shell.h"

namespace vantrel::cli {

namespace {

struct JobArguments {
  std::vector<std::string> words;          // the positional arguments, in order
  std::optional<std::string> fmVariants;   // the text after --fm
  bool run = true;
  bool strict = false;
  bool pause = true;  // false: the job's pauses go on at once
  bool plan = false;  // the job's steps told, nothing written
};

// --fm and --strict belong to activate alone.
JobArguments ParseJobArguments(const std::vector<std::string>& args, std::size_t words, bool activation) {
  JobArguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--no-run") {
      parsed.run = false;
    } else if (arg == "--no-pause") {
      parsed.pause = false;
    } else if (arg == "--plan") {
      parsed.plan = true;
    } else if (activation && arg == "--strict") {
      parsed.strict = true;
    } else if (activation && arg == "--fm") {
      if (++i == args.size()) throw UsageError("option --fm needs a list of variants (S,2,3)");
      parsed.fmVariants = args[i];
    } else if (arg.size() > 1 && arg.starts_with("--")) {
      throw UsageError("unknown option '" + arg + "'");
    } else {
      parsed.words.push_back(arg);
    }
  }
  if (parsed.words.size() < words) throw UsageError("missing argument");
  if (parsed.words.size() > words) throw UsageError("unexpected argument '" + parsed.words[words] + "'");
  return parsed;
}

// "Enable FM/DM changing" with the check boxes of the named variants ticked.
void EnableFmdm(Session& s, const std::string& variants) {
  if (const std::optional<std::string> unknown = ApplyFmdmChoice(s, variants)) {
    throw UsageError("unknown FM/DM variant '" + *unknown + "' (use S, 2 or 3)");
  }
}

void SelectWhere(EntryList& list, const std::function<bool(const std::string&)>& wanted, const std::string& what) {
  for (int i = 0; i < list.Count(); ++i) {
    if (wanted(list.At(i))) {
      list.Select(i);
      return;
    }
  }
  throw UsageError(what);
}

// The written script runs here, in this terminal, and the refreshed list shows its outcome.
// A job that did not do all its work ends the command with an error saying what failed,
// after the list, so that the list shows what is really active.
void RunAndList(Session& s, const std::optional<JobPlan>& plan, const JobArguments& parsed, std::ostream& out) {
  const std::string failure = plan && parsed.run ? RunJobHere(s, *plan, out, parsed.pause) : "";
  ListActivePatches(s.cat);
  PrintEntries(s.cat.ListBox3.Items(), out);
  if (!failure.empty()) throw Error(failure);
}

// The window's questions before an activation, told on the error stream. Scripts that call
// us rely on the job going on, so they are warnings; --strict makes them errors, and the
// job ends before anything is written.
void TellActivationQuestions(Session& s, bool strict) {
  const std::vector<std::string> questions = ActivationQuestions(s.cat);
  for (const std::string& question : questions) s.showMessage((strict ? "error: " : "warning: ") + question);
  if (strict && !questions.empty()) throw Error("nothing was activated (--strict)");
}

// Available patches as a scan would fill it, without the scan list file it writes.
void ListPatchFoldersOnly(Catalogue& cat) {
  std::vector<std::string> lines;
  for (const objectrec& folder : FindPatchFolders().listed) lines.push_back(ListLine(folder.patchCode, folder.folderName));
  cat.ListBox1.Replace(std::move(lines));
}

void PrintSteps(const std::vector<JobStep>& steps, std::ostream& out) { out << StepsText(steps) << '\n'; }

// Whether the ledger holds a removal of `entry`, an active patch's name, that was cut short:
// finishing it is the removal asked for again.
bool RemovalCutShort(const std::string& entry) {
  const std::vector<LedgerEntry> ledger = ReadLedger();
  return std::any_of(ledger.begin(), ledger.end(), [&](const LedgerEntry& job) {
    return job.state == LedgerState::Removing && platform::SameNameIgnoringCase(job.marker, entry + ".aop");
  });
}

}  // namespace

// The script's console goes to the error stream, so that standard output holds the lists alone.
std::string RunJobHere(Session& s, const JobPlan& plan, std::ostream& out, bool pause) {
  out.flush();
  const auto console = pause ? platform::ProgramConsole::ThisTerminal : platform::ProgramConsole::ThisTerminalNoInput;
  platform::RunningProgram job(ShellExecutableFor(s.shellProgram), {"/C", plan.script}, console,
                               platform::ConsoleOutput::ToErrorStream);
  // A shell that did not start ran nothing of the job: its script is left for the user to run.
  if (!job.Started()) return ShellFailureText(job.StartResult(), s.shellProgram, "/C " + plan.script);
  return OutcomeText(plan, CheckJobOutcome(plan, job.Wait() == 0));
}

void TellRecovered(Session& s) {
  for (const std::string& told : RecoverJobs()) s.showMessage(told);
}

void Activate(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  const JobArguments parsed = ParseJobArguments(args, 2, true);
  if (!parsed.plan) TellRecovered(s);
  const std::string& folder = parsed.words[0];
  const std::string& slot = parsed.words[1];
  if (parsed.plan) {
    ListPatchFoldersOnly(s.cat);
  } else {
    RefreshPatchList(s.cat);
  }
  FillDestinationSlots(s.cat);
  SelectWhere(
      s.cat.ListBox1, [&](const std::string& line) { return LineName(line) == folder; },
      "unknown patch folder '" + folder + "'");
  // A patch that goes into no slot (a volume patch) may name its own code for one.
  const bool slotless = !TakesASlot(LineCode(s.cat.ListBox1.SelectedText())) &&
                        platform::SameNameIgnoringCase(slot, LineCode(s.cat.ListBox1.SelectedText()));
  if (!slotless) {
    SelectWhere(
        s.cat.ListBox2,
        [&](const std::string& line) { return slot.size() == 4 && platform::SameNameIgnoringCase(LineCode(line), slot); },
        "unknown slot '" + slot + "'");
  }
  if (parsed.fmVariants) EnableFmdm(s, *parsed.fmVariants);
  TellActivationQuestions(s, parsed.strict);
  if (parsed.plan) return PrintSteps(PlanActivation(s).steps, out);
  RunAndList(s, WriteActivationScript(s), parsed, out);
}

void Deactivate(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  const JobArguments parsed = ParseJobArguments(args, 1, false);
  const std::string& entry = parsed.words[0];
  const bool finishing = RemovalCutShort(entry);
  if (!parsed.plan) TellRecovered(s);
  s.cat.ListBox3.SetSorted(true);
  ListActivePatches(s.cat);
  const std::optional<int> found = s.cat.ListBox3.FindIgnoringCase(entry);
  if (!found && finishing) {
    if (parsed.plan) return PrintSteps({JobStep{JobStep::Kind::CutShortFirst, "", "", "", 0}}, out);
    PrintEntries(s.cat.ListBox3.Items(), out);
    return;
  }
  if (!found) throw UsageError("unknown active patch '" + entry + "'");
  s.cat.ListBox3.Select(*found);
  if (parsed.plan) return PrintSteps(PlanDeactivation(s).value_or(JobPlan()).steps, out);
  RunAndList(s, WriteDeactivationScript(s), parsed, out);
}

void Repair(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  const JobArguments parsed = ParseJobArguments(args, 1, false);
  s.cat.ListBox3.SetSorted(true);
  const std::optional<RepairJob> repair = WriteRepairScript(s, parsed.words[0]);
  if (!repair) s.showMessage(parsed.words[0] + ": its files are in place; nothing to repair");
  for (const std::string& kept : repair ? repair->kept : std::vector<std::string>{}) {
    s.showMessage("kept as it was: " + kept);
  }
  RunAndList(s, repair ? std::optional<JobPlan>(repair->plan) : std::nullopt, parsed, out);
}

}  // namespace vantrel::cli

namespace vantrel::cli {

void Recover(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  if (!args.empty()) throw UsageError("unexpected argument '" + args[0] + "'");
  TellRecovered(s);
  ListActivePatches(s.cat);
  PrintEntries(s.cat.ListBox3.Items(), out);
}

}  // namespace vantrel::cli
