#pragma once
// Internal to the platform layer: what every search backend shares, the rules of which
// entries a search admits and the order it returns them in. Not part of the interface.
#include <functional>
#include <string_view>
#include <vector>

#include "platform/search.h"

namespace vantrel::platform::detail {

bool IsDotEntry(std::string_view name);
// Never "." or "..", nor a name Windows cannot hold; hidden entries (a leading "." on
// POSIX, the hidden or system attribute on Windows) only with Admit::Everything.
bool NameAdmitted(std::string_view name, bool hidden, Admit admit);
// The kind rule: files, folders or both.
bool Wanted(bool directory, Admit admit);
void SortInNtfsOrder(std::vector<FoundEntry>& entries);

// Calls `visit` with every admitted entry of `pathPattern`, in the folder's own order:
// what each backend provides.
using EntryVisitor = std::function<void(FoundEntry&&)>;
void ScanMatches(std::string_view pathPattern, Admit admit, const EntryVisitor& visit);

}  // namespace vantrel::platform::detail
