#pragma once
// What a job script is meant to do, noted while it is written, so that once the shell has
// run it the tool can tell whether it did: whatever shell ran it, ours or Windows' own.
#include <string>
#include <vector>

namespace vantrel {

// One file a copy line puts in place; both names as the script writes them, relative to
// the working folder ("BigTank\060E9000.dml", ".\061A9000.dml", "..\rb.vol").
struct PlannedCopy {
  std::string source;
  std::string target;
};

struct JobPlan {
  std::string script;                // the job script's name in the working folder
  std::vector<PlannedCopy> copies;   // an install's files, each a copy of its source once done
  std::string marker;                // the marker an install creates; "" for a removal
  std::string removedMarkers;        // a removal: the name or pattern of the markers it deletes
};

}  // namespace vantrel
