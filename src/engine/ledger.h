#pragma once
// The ledger: what each job of ours put in place and what it replaced, so that the game
// comes back as it was after any sequence of jobs. One small text file per patch, in the
// support folder's "ledger" folder, named after the patch's activation marker; a person can
// read it, and each is written whole or not at all.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// One file a patch changed. Paths are as the job scripts write them, relative to the working
// folder ("..\rb.vol", "0305abcd.dml").
struct LedgerFile {
  std::string target;
  std::string put;      // the hash of the bytes the patch put there; "" when it took the file away
  std::string source;   // where those bytes come from ("SpringMaps\rb.vol"); "" when taken away
  std::string kept;     // where the game's own file is kept whole; "" when the game had none
  std::string keptHash;
};

// One model record an aircraft patch overwrote, with the bytes before and after (hexadecimal).
struct LedgerRecord {
  std::string file;
  std::uint64_t offset = 0;
  std::string replaced;
  std::string written;
};

enum class LedgerState { Installing, Installed, Removing };

struct LedgerEntry {
  std::string marker;        // the activation marker's name, which names the entry too
  std::string folder;        // the patch folder
  std::uint64_t order = 0;   // later installs have higher numbers: the top layer is the highest
  LedgerState state = LedgerState::Installing;
  std::string fmdm = "off";  // the FM/DM choice of an aircraft install: "off" or the variants
  std::vector<LedgerFile> files;
  std::vector<LedgerRecord> records;

  // The file this entry holds for `target`, its name compared without regard to case.
  const LedgerFile* FileFor(std::string_view target) const;
};

// "vantrel-files\ledger", relative to the working folder.
std::string LedgerFolder();

// Every entry of the working folder's ledger, in the order of their `order`; none when it has
// no ledger. An entry that cannot be read raises Error naming it: a ledger read in part
// would take files it records for the game's own.
std::vector<LedgerEntry> ReadLedger();
// The working folder's ledger, and beside its entries those of the game's other working
// folders for the files they changed outside their folder: the game's own archives, which
// any working folder's jobs replace at the same paths ("..\rb.vol"). Their paths and
// markers are put as seen from here ("..\Multi\SpringMaps\rb.vol"); such an entry is
// another folder's to write, finish or undo (IsOwnEntry).
std::vector<LedgerEntry> ReadGameLedger();
bool IsOwnEntry(const LedgerEntry& entry);
std::optional<LedgerEntry> FindLedgerEntry(const std::vector<LedgerEntry>& ledger, std::string_view marker);

// Writes the entry whole, in place of an older one of the same marker; makes the ledger's
// folders as needed. Raises InOutError naming the entry's file.
void WriteLedgerEntry(const LedgerEntry& entry);
// Removes the entry of `marker`; nothing when there is none. Raises InOutError.
void DropLedgerEntry(std::string_view marker);

std::uint64_t NextLedgerOrder(const std::vector<LedgerEntry>& ledger);

// The entry as its file holds it, and back; ParseLedgerEntry raises Error naming `name`
// for text it cannot read.
std::string LedgerText(const LedgerEntry& entry);
// One of the tool's own small text files (a ledger entry, a job record, a patch set), its
// lines each ended by "\n" whatever ended them on disk. Raises InOutError naming it.
std::string ReadOwnTextFile(const std::string& file);
LedgerEntry ParseLedgerEntry(std::string_view text, std::string_view name);

}  // namespace vantrel
