#pragma once
// What a job script is meant to do, noted while it is written, so that once the shell has
// run it the tool can tell whether it did: whatever shell ran it, ours or Windows' own.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ledger.h"

namespace vantrel {

// One file a copy line puts in place; both names as the script writes them, relative to
// the working folder ("BigTank\060E9000.dml", ".\061A9000.dml", "..\rb.vol").
struct PlannedCopy {
  std::string source;
  std::string target;

  // The target as the ledger names it: without the ".\" of the object copies.
  std::string_view LedgerName() const {
    const std::string_view name = target;
    return name.starts_with(".\\") ? name.substr(2) : name;
  }
};

// A file as a removal leaves it: the hash of what it holds then, "" for no file.
struct ExpectedFile {
  std::string target;
  std::string hash;
};

// One file a job changes, as its plan tells it before anything is written. `holder` says
// whose the file is now: "held by FE2b Fighter", "the game's own", "not there now".
struct JobStep {
  enum class Kind {
    CutShortFirst,     // a job cut short is finished or undone before this one
    Deleted,           // `file` goes
    Copied,            // `from` is copied to `file`
    KeptAsOriginal,    // the game's own `file` is kept whole as `from`
    PutBackFromPatch,  // `file` gets the bytes of the layer below, copied from `from`
    PutBackOriginal,   // the game's own `file`, kept as `from`, moves back
    RecordChanged,     // a model record of `file`, `record` by number
    MarkerCreated,
    MarkerDeleted,
    LeftAsItIs,        // changed since the patch put it there: the job leaves it
  };
  Kind kind = Kind::Deleted;
  std::string file;
  std::string from;
  std::string holder;
  std::uint64_t record = 0;
};

struct JobPlan {
  std::string script;                // the job script's name in the working folder
  std::vector<PlannedCopy> copies;   // an install's files, each a copy of its source once done
  std::string marker;                // the marker an install creates; "" for a removal
  std::string removedMarkers;        // a removal: the name or pattern of the markers it deletes
  bool takesASlot = true;            // false for a job of the patches that go into no slot

  // The ledger's part. An install: its entry, marked installed once every file is in place,
  // and the entries of the patches it takes out of the slot, as they were. A removal: the
  // entry that goes once every file is as expected, and the files it leaves as they are
  // because they were changed after the patch put them there.
  std::optional<LedgerEntry> entry;
  std::vector<LedgerEntry> endsEntries;
  std::optional<LedgerEntry> removedEntry;
  std::vector<ExpectedFile> expected;
  std::vector<std::string> keptAsTheyAre;

  // What the job does, one step a file, told before it is written (job_steps.h).
  std::vector<JobStep> steps;
  // The job history's number of the job this one undoes (job_history.h); 0 for none.
  std::uint64_t undoes = 0;
};

}  // namespace vantrel
