#pragma once
// System calls that fail with an I/O error where they touch one path, struck with strace's
// fault injection: the failures of a disk going bad, which root cannot provoke otherwise.
// POSIX only.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::testing {

// Why strace cannot strike here (not installed, or tracing is not allowed); "" when it can.
std::string WhyStraceCannotStrike();

// The words that run a program under strace with each of `calls` ("getdents64", or several
// joined by commas) failing with EIO whenever it touches `path`, the program's own words to
// follow. The program's children are struck too. A relative `path` is written as the program
// writes it, relative to the folder it runs in.
std::vector<std::string> FailingCalls(std::string_view calls, const std::filesystem::path& path);

// The same words as one shell command line, each quoted.
std::string FailingCallsCommand(std::string_view calls, const std::filesystem::path& path);

// The words that run a program under strace with its `nth` call of `call` ("write") struck
// by `fault`: "error=ENOSPC", or "signal=KILL" to kill it there. strace counts the calls of
// each process apart, so the program's children are not traced: a child is struck by running
// it under these words itself.
std::vector<std::string> StruckCall(std::string_view call, std::string_view fault, int nth);

// The words that run a program under strace writing each call of `calls` (joined by commas)
// and each exec to `log`, its children followed; and what such a log tells: for each program
// run, by its file name, how many times its busiest process made each of the calls since its
// exec. These are the numbers StruckCall's `nth` counts.
std::vector<std::string> CountingCalls(std::string_view calls, const std::filesystem::path& log);
using CallCounts = std::map<std::string, std::map<std::string, int>>;
CallCounts CountedCalls(const std::filesystem::path& log);

}  // namespace vantrel::testing
