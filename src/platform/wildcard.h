#pragma once
// DOS wildcard matching, the one matcher every search and every shell command uses.
// "?" and "*" follow Windows' rewrite into DOS_QM, DOS_DOT and DOS_STAR; letter case
// is ignored for ASCII letters.
#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel::platform {

class WildcardPattern {
 public:
  explicit WildcardPattern(std::string_view pattern);
  bool Matches(std::string_view name) const;
  bool HasWildcards() const { return hasWildcards_; }
  // The literal run after the last wildcard, ASCII letters upper-cased: every name a
  // wildcard pattern matches ends with it, in either case. Empty for a plain name.
  std::string_view LiteralTail() const { return std::string_view(ops_).substr(ops_.size() - literalSuffix_); }

 private:
  std::string ops_;  // the rewritten pattern, one byte per element
  bool hasWildcards_ = false;
  // Literal runs before the first and after the last wildcard: a quick test that
  // rejects most names of a large folder before the full match runs.
  std::size_t literalPrefix_ = 0;
  std::size_t literalSuffix_ = 0;
  // Patterns whose wildcards all stand before the literal tail, matched without the
  // simulation: a single star, or a run of question marks.
  bool leadingStar_ = false;
  std::size_t leadingQms_ = 0;
};

bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace vantrel::platform
