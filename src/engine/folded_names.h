#pragma once
// Maps keyed by names compared without regard to ASCII letter case, as the file system and
// the ledger compare them, for the lookups of a status check over thousands of files.
#include <cstddef>
#include <string_view>
#include <unordered_map>

#include "platform/names.h"

namespace vantrel {

struct FoldedNameHash {
  std::size_t operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a over the upper-cased bytes
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c)) * 1099511628211ull;
    return hash;
  }
};

struct FoldedNameEqual {
  bool operator()(std::string_view a, std::string_view b) const { return platform::SameNameIgnoringCase(a, b); }
};

// The keys are views: what they view must outlive the map.
template <typename Value>
using FoldedNameMap = std::unordered_map<std::string_view, Value, FoldedNameHash, FoldedNameEqual>;

}  // namespace vantrel
