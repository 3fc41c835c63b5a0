#include "platform/wildcard.h"

#include <algorithm>
#include <memory>

#include "platform/names.h"

namespace vantrel::platform {
namespace {

// The elements of a rewritten pattern. Windows' kernel uses the same characters, which
// no stored name can contain, so a literal one in a pattern acts as that wildcard there too.
constexpr char kStar = '*';
constexpr char kDosStar = '<';
constexpr char kDosQm = '>';
constexpr char kDosDot = '"';

bool IsWildcardOp(char op) { return op == kStar || op == kDosStar || op == kDosQm || op == kDosDot; }

bool WildcardFollows(std::string_view pattern, std::size_t from) {
  for (std::size_t i = from; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c == '*' || c == '?' || c == kDosStar || c == kDosQm) return true;
  }
  return false;
}

std::string Rewrite(std::string_view pattern) {
  if (pattern == "*.*") return std::string(1, kStar);
  bool droppedDot = false;
  while (!pattern.empty() && pattern.back() == '.') {
    pattern.remove_suffix(1);
    droppedDot = true;
  }
  std::string ops;
  ops.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    bool last = i + 1 == pattern.size();
    if (c == '?') {
      ops += kDosQm;
    } else if (c == '.' && WildcardFollows(pattern, i + 1)) {
      ops += kDosDot;
    } else if (c == '*' && ((!last && pattern[i + 1] == '.') || (last && droppedDot))) {
      ops += kDosStar;
    } else {
      ops += UpperAscii(c);
    }
  }
  return ops;
}

}  // namespace

WildcardPattern::WildcardPattern(std::string_view pattern) : ops_(Rewrite(pattern)) {
  while (literalPrefix_ < ops_.size() && !IsWildcardOp(ops_[literalPrefix_])) ++literalPrefix_;
  hasWildcards_ = literalPrefix_ < ops_.size();
  if (hasWildcards_) {
    while (!IsWildcardOp(ops_[ops_.size() - 1 - literalSuffix_])) ++literalSuffix_;
  }
  // The wildcards all in front: "*.aop", "????9000.dml".
  const std::size_t wildcards = ops_.size() - literalSuffix_;
  if (wildcards == 1 && (ops_[0] == kStar || ops_[0] == kDosStar)) leadingStar_ = true;
  if (wildcards > 0 && std::all_of(ops_.begin(), ops_.begin() + wildcards, [](char op) { return op == kDosQm; })) {
    leadingQms_ = wildcards;
  }
}

bool WildcardPattern::Matches(std::string_view name) const {
  const std::size_t n = ops_.size();
  const std::size_t m = name.size();
  if (!hasWildcards_) return SameNameIgnoringCase(ops_, name);
  if (n == 1 && ops_[0] == kStar) return true;

  // Literals consume exactly one character each, so the runs around the wildcards must
  // stand at the two ends of the name whatever the wildcards do.
  if (literalPrefix_ + literalSuffix_ > m) return false;
  for (std::size_t i = 0; i < literalPrefix_; ++i) {
    if (UpperAscii(name[i]) != ops_[i]) return false;
  }
  for (std::size_t i = 0; i < literalSuffix_; ++i) {
    if (UpperAscii(name[m - 1 - i]) != ops_[n - 1 - i]) return false;
  }
  const std::size_t lastDot = name.rfind('.');
  // With the literal tail in place, a pattern whose wildcards all stand in front needs no
  // simulation. A star takes the rest, and a DOS star too unless the name's last period
  // would fall to it.
  const std::size_t rest = m - literalSuffix_;
  if (leadingStar_) return ops_[0] == kStar || lastDot == std::string_view::npos || lastDot >= rest;
  // Question marks take one character each but never a period, and give way only at a
  // period or the end.
  if (leadingQms_) {
    if (name.substr(0, rest).find('.') != std::string_view::npos) return false;
    return rest == leadingQms_ || (rest < leadingQms_ && (literalSuffix_ == 0 || ops_[n - literalSuffix_] == '.'));
  }

  // A set-of-states simulation over the pattern: linear in pattern x name, however many
  // stars the pattern holds.
  constexpr std::size_t kInline = 128;
  unsigned char inlineStates[2 * kInline];
  std::unique_ptr<unsigned char[]> heapStates;
  unsigned char* cur = inlineStates;
  if (n + 1 > kInline) {
    heapStates = std::make_unique<unsigned char[]>(2 * (n + 1));
    cur = heapStates.get();
  }
  unsigned char* next = cur + (n + 1);
  std::fill(cur, cur + n + 1, 0);
  cur[0] = 1;

  for (std::size_t j = 0;; ++j) {
    const bool atEnd = j == m;
    const char c = atEnd ? '\0' : name[j];
    // Moves that consume nothing. They only go forward, so one pass reaches every state.
    for (std::size_t i = 0; i < n; ++i) {
      if (!cur[i]) continue;
      char op = ops_[i];
      if (op == kStar || op == kDosStar || (op == kDosQm && (atEnd || c == '.')) || (op == kDosDot && atEnd)) {
        cur[i + 1] = 1;
      }
    }
    if (atEnd) return cur[n] != 0;

    std::fill(next, next + n + 1, 0);
    bool alive = false;
    const char upper = UpperAscii(c);
    for (std::size_t i = 0; i < n; ++i) {
      if (!cur[i]) continue;
      char op = ops_[i];
      std::size_t to = n + 1;  // no move
      if (op == kStar) {
        to = i;
      } else if (op == kDosStar) {
        if (!(c == '.' && j == lastDot)) to = i;
      } else if (op == kDosQm) {
        if (c != '.') to = i + 1;
      } else if (op == kDosDot) {
        if (c == '.') to = i + 1;
      } else if (op == upper) {
        to = i + 1;
      }
      if (to <= n) {
        next[to] = 1;
        alive = true;
      }
    }
    if (!alive) return false;
    std::swap(cur, next);
  }
}

bool WildcardMatch(std::string_view pattern, std::string_view name) { return WildcardPattern(pattern).Matches(name); }

}  // namespace vantrel::platform
