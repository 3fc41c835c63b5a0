#include "engine/ledger.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "engine/file_errors.h"
#include "engine/support_folder.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/in_parallel.h"
#include "platform/make_folder.h"
#include "platform/names.h"
#include "platform/search.h"
#include "platform/text_file.h"
#include "platform/whole_write.h"

namespace vantrel {

namespace {

constexpr std::string_view kHeading = "Vantrel ledger 1";
constexpr std::string_view kMarkerExtension = ".aop";
constexpr std::string_view kEntryExtension = ".txt";
constexpr std::string_view kNone = "-";

struct StateName {
  LedgerState state;
  std::string_view name;
};
constexpr StateName kStates[] = {
    {LedgerState::Installing, "installing"}, {LedgerState::Installed, "installed"}, {LedgerState::Removing, "removing"}};

std::string_view NameOf(LedgerState state) {
  for (const StateName& known : kStates) {
    if (known.state == state) return known.name;
  }
  return kStates[0].name;
}

// Fields are separated by tabs, which no name of the game's or of a patch holds; an empty
// one is written "-" so that a person sees it is empty.
std::string Field(std::string_view text) { return text.empty() ? std::string(kNone) : std::string(text); }

// Views into the line: a status check parses a thousand entries of twenty files each. No
// line of ours has more than six fields; one with more has its first kMostFields and a count
// that tells it apart.
constexpr std::size_t kMostFields = 7;
struct LineFields {
  std::array<std::string_view, kMostFields> field;
  std::size_t size = 0;
  std::string_view operator[](std::size_t i) const { return field[i]; }
};

LineFields Fields(std::string_view line) {
  LineFields fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    const std::string_view field = line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
    if (fields.size < kMostFields) fields.field[fields.size] = field == kNone ? std::string_view() : field;
    ++fields.size;
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::string EntryFile(std::string_view marker) {
  std::string_view base = marker;
  if (base.size() > kMarkerExtension.size()) base.remove_suffix(kMarkerExtension.size());
  return LedgerFolder() + "\\" + std::string(base) + std::string(kEntryExtension);
}

constexpr std::string_view kUp = "..\\";

// The entries of the ledger of the working folder `home` ("" for this one, else "..\\NAME\\"),
// in no order.
std::vector<LedgerEntry> EntriesIn(const std::string& home) {
  std::vector<LedgerEntry> ledger;
  const std::string folder = home + LedgerFolder();
  if (!platform::DirectoryExists(folder)) return ledger;
  const std::vector<platform::FoundEntry> files =
      platform::FindEntries(folder + "\\*" + std::string(kEntryExtension), platform::Admit::Files);
  // A thousand small files are read side by side; an entry that cannot be read is raised as
  // the first one in the folder's order would have been.
  std::vector<std::optional<LedgerEntry>> read(files.size());
  platform::InParallel(files.size(), [&](std::size_t i) {
    const std::string file = folder + "\\" + files[i].name;
    read[i] = ParseLedgerEntry(ReadOwnTextFile(file), file);
  });
  ledger.reserve(read.size());
  for (std::optional<LedgerEntry>& entry : read) ledger.push_back(std::move(*entry));
  return ledger;
}

std::vector<LedgerEntry> InOrder(std::vector<LedgerEntry> ledger) {
  std::stable_sort(ledger.begin(), ledger.end(), [](const LedgerEntry& a, const LedgerEntry& b) { return a.order < b.order; });
  return ledger;
}

// Another working folder's entry as far as it concerns this one: the files it changed
// outside its folder, the game's own archives, which lie at the same paths from here. Its
// paths and marker are put as seen from here.
std::optional<LedgerEntry> SeenFromHere(LedgerEntry entry, const std::string& home) {
  std::erase_if(entry.files, [](const LedgerFile& file) { return !file.target.starts_with(kUp); });
  if (entry.files.empty()) return std::nullopt;
  for (LedgerFile& file : entry.files) {
    if (!file.source.empty()) file.source = home + file.source;
  }
  entry.marker = home + entry.marker;
  entry.folder = home + entry.folder;
  entry.records.clear();
  return entry;
}

}  // namespace

const LedgerFile* LedgerEntry::FileFor(std::string_view target) const {
  for (const LedgerFile& file : files) {
    if (platform::SameNameIgnoringCase(file.target, target)) return &file;
  }
  return nullptr;
}

std::string ReadOwnTextFile(const std::string& file) {
  return NamingFile(file, [&] { return platform::ReadTextJoined(file); });
}

std::string LedgerFolder() { return std::string(kSupportFolder) + "ledger"; }

std::string LedgerText(const LedgerEntry& entry) {
  std::string text = std::string(kHeading) + "\r\n";
  const auto line = [&](std::initializer_list<std::string> fields) {
    std::string joined;
    for (const std::string& field : fields) joined += (joined.empty() ? "" : "\t") + field;
    text += joined + "\r\n";
  };
  line({"marker", entry.marker});
  line({"folder", Field(entry.folder)});
  line({"order", std::to_string(entry.order)});
  line({"state", std::string(NameOf(entry.state))});
  line({"fmdm", Field(entry.fmdm)});
  for (const LedgerFile& file : entry.files) {
    line({"file", file.target, Field(file.put), Field(file.source), Field(file.kept), Field(file.keptHash)});
  }
  for (const LedgerRecord& record : entry.records) {
    line({"record", record.file, std::to_string(record.offset), Field(record.replaced), Field(record.written)});
  }
  return text;
}

LedgerEntry ParseLedgerEntry(std::string_view text, std::string_view name) {
  const auto unreadable = [name] { return Error("A ledger entry cannot be read: " + std::string(name)); };
  LedgerEntry entry;
  bool headed = false;
  bool stated = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view lineText = text.substr(start, end - start);
    start = end + 1;
    if (!lineText.empty() && lineText.back() == '\r') lineText.remove_suffix(1);
    if (!headed) {
      if (lineText != kHeading) throw unreadable();
      headed = true;
      continue;
    }
    const LineFields f = Fields(lineText);
    const std::string_view key = f[0];
    const auto number = [&](std::string_view field) {
      std::uint64_t value = 0;
      const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
      if (error != std::errc() || end != field.data() + field.size()) throw unreadable();
      return value;
    };
    if (key == "marker" && f.size == 2) {
      entry.marker = f[1];
    } else if (key == "folder" && f.size == 2) {
      entry.folder = f[1];
    } else if (key == "order" && f.size == 2) {
      entry.order = number(f[1]);
    } else if (key == "state" && f.size == 2) {
      const auto known = std::find_if(std::begin(kStates), std::end(kStates), [&](const StateName& s) { return s.name == f[1]; });
      if (known == std::end(kStates)) throw unreadable();
      entry.state = known->state;
      stated = true;
    } else if (key == "fmdm" && f.size == 2) {
      entry.fmdm = f[1];
    } else if (key == "file" && f.size == 6 && !f[1].empty()) {
      entry.files.push_back({std::string(f[1]), std::string(f[2]), std::string(f[3]), std::string(f[4]), std::string(f[5])});
    } else if (key == "record" && f.size == 5 && !f[1].empty()) {
      entry.records.push_back({std::string(f[1]), number(f[2]), std::string(f[3]), std::string(f[4])});
    } else if (!lineText.empty()) {
      throw unreadable();
    }
  }
  // A cut entry lacks its last lines; one without a marker or state cannot be told apart.
  if (!headed || !stated || entry.marker.empty()) throw unreadable();
  return entry;
}

std::vector<LedgerEntry> ReadLedger() { return InOrder(EntriesIn("")); }

std::vector<LedgerEntry> ReadGameLedger() {
  std::vector<LedgerEntry> ledger = EntriesIn("");
  const std::string own = platform::SplitLastComponent(platform::CurrentDirectory()).name;
  for (const auto& found : platform::FindEntries("..\\*", platform::Admit::Folders)) {
    if (!found.directory || platform::SameNameIgnoringCase(found.name, own)) continue;
    const std::string home = "..\\" + found.name + "\\";
    for (LedgerEntry& entry : EntriesIn(home)) {
      if (std::optional<LedgerEntry> seen = SeenFromHere(std::move(entry), home)) ledger.push_back(std::move(*seen));
    }
  }
  return InOrder(std::move(ledger));
}

bool IsOwnEntry(const LedgerEntry& entry) { return !entry.marker.starts_with(kUp); }

std::optional<LedgerEntry> FindLedgerEntry(const std::vector<LedgerEntry>& ledger, std::string_view marker) {
  for (const LedgerEntry& entry : ledger) {
    if (platform::SameNameIgnoringCase(entry.marker, marker)) return entry;
  }
  return std::nullopt;
}

void WriteLedgerEntry(const LedgerEntry& entry) {
  const std::string file = EntryFile(entry.marker);
  NamingFile(file, [&] {
    platform::MakeFolders(LedgerFolder());
    platform::WriteFileWhole(file, LedgerText(entry));
  });
}

void DropLedgerEntry(std::string_view marker) {
  const std::string file = EntryFile(marker);
  if (!platform::FileExists(file)) return;
  NamingFile(file, [&] { platform::DeleteFileAt(file); });
}

std::uint64_t NextLedgerOrder(const std::vector<LedgerEntry>& ledger) {
  std::uint64_t next = 1;
  for (const LedgerEntry& entry : ledger) next = std::max(next, entry.order + 1);
  return next;
}

}  // namespace vantrel
