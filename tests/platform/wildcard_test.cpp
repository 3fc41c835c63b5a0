#include "platform/wildcard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace vantrel::platform {
namespace {

struct Case {
  const char* pattern;
  const char* name;
  bool match;
};

void ExpectCases(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.match) << "pattern \"" << c.pattern << "\" name \"" << c.name << "\"";
  }
}

TEST(Wildcard, ReferenceTable) {
  ExpectCases({
      {"060E????.dml", "060E9000.dml", true},
      {"060E????.dml", "060E9.dml", true},
      {"060E????.dml", "060E.dml", true},
      {"060E????.dml", "060E12345.dml", false},
      {"????9000.dml", "03119000.dml", true},
      {"????9000.dml", "03ab9000.DML", true},
      {"????9000.dml", "9000.dml", false},
      {"*.aop", "0309_my plane.aop", true},
      {"*.aop", "X.AOP", true},
      {"*.aop", "x.aopx", false},
      {"win?05??.bmp", "win005.bmp", true},
      {"win?05??.bmp", "winA05xy.bmp", true},
      {"*", "readme", true},
      {"*", "archive.vol", true},
      {"*.*", "readme", true},
      {"*.*", "archive.vol", true},
      {"*.", "readme", true},
      {"*.", "archive.vol", false},
  });
}

TEST(Wildcard, StarBeforeDotNeverTakesTheLastDot) {
  ExpectCases({
      {"*.vol", "a.b.vol", true},   // only the last dot is held back
      {"*.vol", ".vol", true},
      {"*.b", "a.b.c", false},
      {"*.", ".hidden", false},
      {"*.", "a.", false},      // the trailing dot of the name is its last dot
      {"a*.", "abc", true},
      {"a*..", "abc", true},    // several trailing dots drop together
  });
}

TEST(Wildcard, QuestionMarksGiveWayAtDotAndEnd) {
  ExpectCases({
      {"ab??", "ab", true},
      {"ab??", "abc", true},
      {"ab??", "abcd", true},
      {"ab??", "abcde", false},
      {"a?c", "a.c", false},    // ? never takes a dot
      {"a?.c", "a.c", true},
      {"??x", "x", false},      // the run vanishes only at a dot or the end, not before a letter
  });
}

TEST(Wildcard, DotBeforeAWildcardMayVanishAtTheEnd) {
  ExpectCases({
      {"a.*", "a", true},
      {"a.*", "a.txt", true},
      {"a.*", "ab", false},
      {"*.?", "abc", true},
      {"*.?", "abc.d", true},
      {"*.?", "abc.de", false},
      {"a..*", "a", true},      // both dots are rewritten, the first one though the star is further on
      {"a.", "a", true},
      {"a.b", "a", false},      // without a wildcard after it the dot is plain
  });
}

TEST(Wildcard, LettersMatchInEitherCaseOtherBytesExactly) {
  ExpectCases({
      {"RB.VOL", "rb.vol", true},
      {"3dSpring.VOL", "3DSPRING.vol", true},
      {"a_b", "A_B", true},
      {"a_b", "a-b", false},
      {"\xe9*", "\xc9x", false},  // no case folding beyond ASCII
      {"\xe9*", "\xe9x", true},
      {"abc.", "abc", true},     // trailing dots of a plain name drop too
      {"abc", "abcd", false},
  });
}

// Patterns whose wildcards all stand in front are matched by a shortcut. A letter put before
// both pattern and name changes no outcome but takes the full matcher, so the two must agree
// on every name.
TEST(Wildcard, WildcardsInFrontMatchAsTheFullMatcherDoes) {
  const char* patterns[] = {"*.aop", "*.aop.", "*.tar.gz", "*x", "*.", "????9000.dml", "??.c", "??", "?"};
  // Every short run of a letter, a digit, a period and an "x", before each pattern's tail.
  std::vector<std::string> heads{""};
  for (std::size_t at = 0; heads[at].size() < 5; ++at) {
    for (char c : std::string("a.9x")) heads.push_back(heads[at] + c);
  }
  std::vector<std::string> names;
  for (const std::string& head : heads) {
    for (const char* tail : {"", ".aop", ".tar.gz", "9000.dml", ".c"}) names.push_back(head + tail);
  }
  for (const char* pattern : patterns) {
    const WildcardPattern shortcut(pattern);
    const WildcardPattern full(std::string("q") + pattern);
    for (const std::string& name : names) {
      EXPECT_EQ(shortcut.Matches(name), full.Matches("q" + name)) << "pattern \"" << pattern << "\" name \"" << name << "\"";
    }
  }
}

TEST(Wildcard, ReportsWhetherThePatternHasWildcards) {
  EXPECT_FALSE(WildcardPattern("rb.vol").HasWildcards());
  EXPECT_FALSE(WildcardPattern("rb.").HasWildcards());
  EXPECT_TRUE(WildcardPattern("rb.*").HasWildcards());
  EXPECT_TRUE(WildcardPattern("r?").HasWildcards());
}

// A search may hand the system "*" and this tail: every matching name must end with it.
TEST(Wildcard, LiteralTailIsWhatEveryMatchEndsWith) {
  const struct {
    const char* pattern;
    const char* tail;
  } cases[] = {
      {"*.aop", ".AOP"},     {"????9000.dml", "9000.DML"}, {"*.aop.", ".AOP"}, {"a*b?c", "C"},
      {"x*", ""},            {"*.", ""},                   {"*.*", ""},        {"rb.vol", ""},
      {"a.b*c.d", "C.D"},    {"a.*", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(WildcardPattern(c.pattern).LiteralTail(), c.tail) << c.pattern;
}

TEST(Wildcard, ManyStarsStayFast) {
  std::string pattern;
  for (int i = 0; i < 100; ++i) pattern += "*a";
  pattern += "*b*";
  const std::string name(250, 'a');
  WildcardPattern compiled(pattern);
  auto start = std::chrono::steady_clock::now();
  bool matched = false;
  for (int i = 0; i < 20; ++i) matched = matched || compiled.Matches(name);
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_FALSE(matched);
  // Plain backtracking would take astronomically long here; ours is pattern x name.
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2000);
  EXPECT_TRUE(compiled.Matches(name + "b"));
}

}  // namespace
}  // namespace vantrel::platform
