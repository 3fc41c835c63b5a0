#include "engine/job_history.h"

#include <algorithm>
#include <charconv>

#include "engine/file_errors.h"
#include "engine/job_log.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/make_folder.h"
#include "platform/search.h"
#include "platform/text_file.h"
#include "platform/whole_write.h"

namespace vantrel {

namespace {

constexpr std::string_view kHeading = "Vantrel job 1";
constexpr std::string_view kExtension = ".txt";
constexpr std::string_view kActivate = "activate";
constexpr std::string_view kDeactivate = "deactivate";
constexpr std::string_view kDone = "done";
constexpr std::string_view kFailed = "failed";

// The sections that hold a ledger entry each, in the order they are written.
constexpr std::string_view kInstalled = "installed";
constexpr std::string_view kReplaced = "replaced";
constexpr std::string_view kRemoved = "removed";
// The record's last line: a record cut short between two of its entries lacks it.
constexpr std::string_view kEnd = "end";

std::string RecordFile(std::uint64_t number) {
  std::string digits = std::to_string(number);
  if (digits.size() < 8) digits.insert(0, 8 - digits.size(), '0');
  return HistoryFolder() + "\\" + digits + std::string(kExtension);
}

std::optional<std::uint64_t> Number(std::string_view text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The record's number from its file's name; none for a name no record of ours has.
std::optional<std::uint64_t> NumberOf(std::string_view name) {
  if (!name.ends_with(kExtension)) return std::nullopt;
  return Number(name.substr(0, name.size() - kExtension.size()));
}

// The records' files with their numbers, in no order; none before the first job.
std::vector<std::pair<std::uint64_t, std::string>> RecordFiles() {
  std::vector<std::pair<std::uint64_t, std::string>> files;
  const std::string folder = HistoryFolder();
  if (!platform::DirectoryExists(folder)) return files;
  for (const auto& found : platform::FindEntries(folder + "\\*" + std::string(kExtension), platform::Admit::Files)) {
    if (const std::optional<std::uint64_t> number = NumberOf(found.name)) files.emplace_back(*number, folder + "\\" + found.name);
  }
  return files;
}

// The outcome text is one line of the record.
std::string OneLine(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
  return text;
}

std::string SlotOf(const JobPlan& plan, const LedgerEntry& entry) {
  return plan.takesASlot ? entry.marker.substr(0, 4) : "";
}

}  // namespace

std::string HistoryFolder() { return LedgerFolder() + "\\history"; }

std::string HistoryText(const HistoryRecord& record) {
  std::string text = std::string(kHeading) + "\r\n";
  const auto line = [&](std::string_view key, const std::string& value) {
    text += std::string(key) + "\t" + value + "\r\n";
  };
  line("number", std::to_string(record.number));
  line("time", record.time);
  line("action", std::string(record.activation ? kActivate : kDeactivate));
  line("folder", record.folder);
  line("marker", record.marker);
  line("slot", record.slot);
  line("outcome", std::string(record.done ? kDone : kFailed));
  line("text", OneLine(record.outcome));
  line("undoes", std::to_string(record.undoes));
  const auto section = [&](std::string_view name, const LedgerEntry& entry) {
    text += std::string(name) + "\r\n" + LedgerText(entry);
  };
  if (record.installed) section(kInstalled, *record.installed);
  for (const LedgerEntry& entry : record.replaced) section(kReplaced, entry);
  if (record.removed) section(kRemoved, *record.removed);
  return text + std::string(kEnd) + "\r\n";
}

HistoryRecord ParseHistoryRecord(std::string_view text, std::string_view name) {
  const Error unreadable("A job history record cannot be read: " + std::string(name));
  HistoryRecord record;
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view lineText = text.substr(start, end - start);
    if (lineText.ends_with('\r')) lineText.remove_suffix(1);
    lines.push_back(lineText);
    start = end + 1;
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  if (lines.size() < 2 || lines[0] != kHeading || lines.back() != kEnd) throw unreadable;
  lines.pop_back();
  std::size_t i = 1;
  int fields = 0;
  for (; i < lines.size(); ++i) {
    const std::size_t tab = lines[i].find('\t');
    if (tab == std::string_view::npos) break;
    const std::string_view key = lines[i].substr(0, tab);
    const std::string value(lines[i].substr(tab + 1));
    const auto number = [&] {
      const std::optional<std::uint64_t> parsed = Number(value);
      if (!parsed) throw unreadable;
      return *parsed;
    };
    ++fields;
    if (key == "number") {
      record.number = number();
    } else if (key == "time") {
      record.time = value;
    } else if (key == "action" && (value == kActivate || value == kDeactivate)) {
      record.activation = value == kActivate;
    } else if (key == "folder") {
      record.folder = value;
    } else if (key == "marker") {
      record.marker = value;
    } else if (key == "slot") {
      record.slot = value;
    } else if (key == "outcome" && (value == kDone || value == kFailed)) {
      record.done = value == kDone;
    } else if (key == "text") {
      record.outcome = value;
    } else if (key == "undoes") {
      record.undoes = number();
    } else {
      throw unreadable;
    }
  }
  // Each section runs up to the next one's name; a record cut short lacks the end of its last
  // entry, which ParseLedgerEntry refuses.
  constexpr int kFields = 9;
  if (fields != kFields) throw unreadable;
  while (i < lines.size()) {
    const std::string_view sectionName = lines[i++];
    std::string entryText;
    for (; i < lines.size() && lines[i] != kInstalled && lines[i] != kReplaced && lines[i] != kRemoved; ++i) {
      entryText += std::string(lines[i]) + "\n";
    }
    LedgerEntry entry = ParseLedgerEntry(entryText, name);
    if (sectionName == kInstalled && !record.installed) {
      record.installed = std::move(entry);
    } else if (sectionName == kReplaced) {
      record.replaced.push_back(std::move(entry));
    } else if (sectionName == kRemoved && !record.removed) {
      record.removed = std::move(entry);
    } else {
      throw unreadable;
    }
  }
  if (record.activation ? !record.installed : !record.removed) throw unreadable;
  return record;
}

std::vector<HistoryRecord> ReadHistory() {
  std::vector<HistoryRecord> history;
  for (const auto& numbered : RecordFiles()) {
    const std::string& file = numbered.second;
    history.push_back(ParseHistoryRecord(ReadOwnTextFile(file), file));
  }
  std::sort(history.begin(), history.end(),
            [](const HistoryRecord& a, const HistoryRecord& b) { return a.number < b.number; });
  return history;
}

void RecordJob(const JobPlan& plan, const JobOutcome& outcome, bool done) {
  const LedgerEntry* entry = plan.entry ? &*plan.entry : plan.removedEntry ? &*plan.removedEntry : nullptr;
  if (!entry) return;
  HistoryRecord record;
  record.time = JobTime();
  record.activation = plan.entry.has_value();
  record.folder = entry->folder;
  record.marker = entry->marker;
  record.slot = SlotOf(plan, *entry);
  record.done = done;
  record.outcome = OutcomeText(plan, outcome);
  record.undoes = plan.undoes;
  if (plan.entry) {
    record.installed = plan.entry;
    record.replaced = plan.endsEntries;
  } else {
    record.removed = plan.removedEntry;
  }
  for (const auto& [number, file] : RecordFiles()) record.number = std::max(record.number, number);
  ++record.number;
  const std::string file = RecordFile(record.number);
  NamingFile(file, [&] {
    platform::MakeFolders(HistoryFolder());
    platform::WriteFileWhole(file, HistoryText(record));
  });
}

}  // namespace vantrel
