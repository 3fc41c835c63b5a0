#pragma once
// The record of the jobs the window runs: a console scrolls away and the script deletes
// itself, so each job's script, console and outcome are kept in the support folder.
#include <string>
#include <string_view>

namespace vantrel {

// The local time as the log and the job history tell it: "2026-12-09 21:50:46".
std::string JobTime();

// "vantrel-files\vantrel-jobs.log": in the support folder, relative to the working folder.
std::string JobLogFile();

// Appends one job: a heading with the time and the script's name, the script's lines, its
// steps as its plan told them (when it told any), the console's output and the outcome line. A working folder without a support folder (a
// sibling such as Multi may have none) keeps no log: false. Raises InOutError naming the log.
bool AppendToJobLog(std::string_view script, std::string_view scriptText, std::string_view steps,
                    std::string_view console, std::string_view outcome);

}  // namespace vantrel
