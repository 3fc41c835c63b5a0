#include <windows.h>

#include <memory>

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

}  // namespace

// A plain name is asked for as it is, which the file system answers without listing the
// folder. A wildcard lists the whole folder and our own matcher picks the names: Windows'
// matcher also tries each name's short 8.3 alias, so that "*.dml" would find "a.dmlx".
void ScanMatches(std::string_view pathPattern, Admit admit, const EntryVisitor& visit) {
  const PathParts parts = SplitLastComponent(pathPattern);
  const WildcardPattern pattern(parts.name);
  if (parts.name.empty()) return;
  const std::string query = JoinPath(parts.folder, pattern.HasWildcards() ? std::string("*") : parts.name);
  WIN32_FIND_DATAW data;
  HANDLE first = ::FindFirstFileExW(Wide(query).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                    FIND_FIRST_EX_LARGE_FETCH);
  if (first == INVALID_HANDLE_VALUE) return;
  const std::unique_ptr<void, FindCloser> search(first);
  do {
    std::string name = Utf8(data.cFileName);
    const bool hidden = (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
    if (!pattern.Matches(name) || !NameAdmitted(name, hidden, admit)) continue;
    const bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!Wanted(directory, admit)) continue;
    visit(FoundEntry{std::move(name), directory, hidden});
  } while (::FindNextFileW(first, &data));
}

}  // namespace vantrel::platform::detail
