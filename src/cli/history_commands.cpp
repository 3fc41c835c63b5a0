#include "cli/history_commands.h"

#include <ostream>

#include "catalogue/scan.h"
#include "cli/activate_command.h"
#include "cli/list_commands.h"
#include "engine/installed.h"
#include "engine/job_history.h"
#include "engine/undo.h"

namespace vantrel::cli {

namespace {

void RefuseArguments(const std::vector<std::string>& args) {
  if (!args.empty()) throw UsageError("unexpected argument '" + args[0] + "'");
}

// "0305 Fok EIII"; "-" for a job that takes no slot.
std::string SlotText(const Catalogue& cat, const std::string& code) {
  if (code.empty()) return "-";
  const std::string name = SlotNameOf(cat, code);
  return name.empty() ? code : code + " " + name;
}

std::string OutcomeOf(const HistoryRecord& record) {
  std::string text = record.done ? "done" : "failed";
  if (record.undoes != 0) text += " (undoing job " + std::to_string(record.undoes) + ")";
  return record.outcome.empty() ? text : text + ": " + record.outcome;
}

// Runs the steps one after another, each told on the error stream as it starts; the first
// that does not do all its work ends the row, and what failed is returned ("" for none).
std::string RunSteps(Session& s, const std::vector<RowJob>& steps, std::ostream& out) {
  for (const RowJob& step : steps) {
    s.showMessage(RowJobText(s.cat, step));
    const std::string failure = RunJobHere(s, WriteStepScript(s, step), out, false);
    if (!failure.empty()) return RowJobText(s.cat, step) + ": " + failure;
  }
  return "";
}

}  // namespace

void History(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  RefuseArguments(args);
  FillDestinationSlots(s.cat);
  for (const HistoryRecord& record : ReadHistory()) {
    out << record.number << "  " << record.time << "  " << (record.activation ? "activate" : "deactivate") << "  "
        << record.folder << "  " << SlotText(s.cat, record.slot) << "  " << OutcomeOf(record) << '\n';
  }
}

void Undo(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  RefuseArguments(args);
  TellRecovered(s);
  const std::string failure = RunSteps(s, UndoSteps(s.cat), out);
  ListActivePatches(s.cat);
  PrintEntries(s.cat.ListBox3.Items(), out);
  if (!failure.empty()) throw Error("The last job was not undone: " + failure);
}

void RestoreGame(Session& s, const std::vector<std::string>& args, std::ostream& out) {
  RefuseArguments(args);
  TellRecovered(s);
  const std::string failure = RunSteps(s, RestoreSteps(s.cat), out);
  std::string left;
  for (const std::string& line : NotRestored(s.cat)) left += "\n  " + line;
  ListActivePatches(s.cat);
  PrintEntries(s.cat.ListBox3.Items(), out);
  if (!failure.empty() || !left.empty()) {
    throw Error("The game was not restored:" + (failure.empty() ? "" : "\n  " + failure) + left);
  }
}

}  // namespace vantrel::cli
