#pragma once
// System calls that fail with an I/O error where they touch one path, struck with strace's
// fault injection: the failures of a disk going bad, which root cannot provoke otherwise.
// POSIX only.
#include <filesystem>
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

}  // namespace vantrel::testing
