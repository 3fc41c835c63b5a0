#pragma once
// DOS wildcard matching, the one matcher every search and every shell command uses.
// "?" and "*" follow Windows' rewrite into DOS_QM, DOS_DOT and DOS_STAR; letter case
// is ignored for ASCII letters.
#include <string>
#include <string_view>

namespace vantrel::platform {

class WildcardPattern {
 public:
  explicit WildcardPattern(std::string_view pattern);
  bool Matches(std::string_view name) const;
  bool HasWildcards() const { return hasWildcards_; }

 private:
  std::string ops_;  // the rewritten pattern, one byte per element
  bool hasWildcards_ = false;
};

bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace vantrel::platform
