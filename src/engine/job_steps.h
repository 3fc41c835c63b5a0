#pragma once
// A job's steps, one a file, read off the job as its body left it: the layers it puts over
// the game's files, its copies, what its removal puts back, its model records and markers.
// Told before anything of the job is written, so that the user sees what it will do.
#include <string>
#include <vector>

#include "engine/job.h"

namespace vantrel {

// `cutShortFirst`: the ledger holds a job cut short, which is finished or undone before
// this one. Reads only the working folder's names (the markers a del line takes away).
std::vector<JobStep> StepsOf(const Job& job, bool cutShortFirst);

// Whether the ledger holds a job of this working folder that was cut short.
bool JobsCutShort(const std::vector<LedgerEntry>& ledger);

// "copied: FE2b Fighter\02019000.dml -> .\03059000.dml (held by Camel Views)".
std::string StepText(const JobStep& step);
// Every step's text, a line each; "nothing changes" for none.
std::string StepsText(const std::vector<JobStep>& steps);

}  // namespace vantrel
