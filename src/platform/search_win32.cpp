#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/handle_io.h"
#include "platform/names.h"
#include "platform/search_rules.h"
#include "platform/wildcard.h"
#include "platform/win32_text.h"

namespace vantrel::platform::detail {
namespace {

struct FindCloser {
  void operator()(HANDLE search) const { ::FindClose(search); }
};

// Printable ASCII that is neither a wildcard (the kernel's "<", ">" and '"' included), a
// path separator nor the colon of a stream name.
bool PlainForTheSystem(char c) {
  return c >= 0x20 && c < 0x7F && std::string_view("*?<>\"\\/:|").find(c) == std::string_view::npos;
}

// Whether a shorter start of `text` is also its end, as "A" is of "A.A".
bool StartRecursAtEnd(std::string_view text) {
  for (std::size_t n = 1; n < text.size(); ++n) {
    if (text.substr(0, n) == text.substr(text.size() - n)) return true;
  }
  return false;
}

// The mask the system lists a wildcard search with: "*" and an end that every name our
// pattern matches has, so that the system leaves out most of a large folder for us (the
// entries it returns are what costs, Wine's above all) and can never leave out one we want.
// "*" then literals is the one shape both systems are trusted to match in full: Windows'
// matcher is exact, and one "*" before a "." is its DOS star, which takes all before the
// name's last dot: an end holding a dot holds the name's last dot too. Wine's matcher resumes after a full match of
// the literals, so "*AA" misses "aaa"; an end none of whose starts recurs at its end ("AOP",
// not "ABAB") cannot be missed that way. The system drops trailing dots and spaces of a path
// and folds the case of letters beyond ASCII, so the end kept is ASCII and ends in neither.
// Like the lookup of a plain name below, this counts on the folder ignoring letter case, as
// every folder does but one flagged case-sensitive for the Linux subsystem.
std::string SystemMask(const WildcardPattern& pattern) {
  std::string_view end = pattern.LiteralTail();
  std::size_t from = end.size();
  while (from > 0 && PlainForTheSystem(end[from - 1])) --from;
  end.remove_prefix(from);
  while (StartRecursAtEnd(end)) end.remove_prefix(1);
  if (end.empty() || end.back() == ' ' || end.back() == '.') return "*";
  return "*" + std::string(end);
}

}  // namespace

// A plain name is asked for as it is, which the file system answers without listing the
// folder. For a wildcard the system lists a wider mask (SystemMask) and our own matcher picks
// the names: Windows' matcher also tries each name's short 8.3 alias, so that "*.dml" would
// find "a.dmlx", and Wine's differs from ours in "?" and trailing dots.
void ScanMatches(std::string_view pathPattern, Admit admit, const EntryVisitor& visit) {
  const PathParts parts = SplitLastComponent(pathPattern);
  const WildcardPattern pattern(parts.name);
  if (parts.name.empty()) return;
  const std::string query = JoinPath(parts.folder, pattern.HasWildcards() ? SystemMask(pattern) : parts.name);
  WIN32_FIND_DATAW data;
  HANDLE first = ::FindFirstFileExW(Wide(query).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                    FIND_FIRST_EX_LARGE_FETCH);
  if (first == INVALID_HANDLE_VALUE) {
    // No match is no error, nor is a folder that is not there; one that cannot be read is.
    const DWORD error = ::GetLastError();
    if (error == ERROR_NO_MORE_FILES || NotThere(error)) return;
    ThrowLastError(parts.folder.empty() ? std::string_view(".") : std::string_view(parts.folder));
  }
  const std::unique_ptr<void, FindCloser> search(first);
  do {
    // The kind is known before the name is converted: a search for folders passes over the
    // thousands of files of a game's folder without making a string of each.
    const bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!Wanted(directory, admit)) continue;
    std::string name = Utf8(data.cFileName);
    const bool hidden = (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
    if (!pattern.Matches(name) || !NameAdmitted(name, hidden, admit)) continue;
    visit(FoundEntry{std::move(name), directory, hidden});
  } while (::FindNextFileW(first, &data));
  // A listing cut short would leave names out.
  if (::GetLastError() != ERROR_NO_MORE_FILES) {
    ThrowLastError(parts.folder.empty() ? std::string_view(".") : std::string_view(parts.folder));
  }
}

}  // namespace vantrel::platform::detail
