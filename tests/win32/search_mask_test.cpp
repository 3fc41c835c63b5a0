#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/search.h"
#include "platform/wildcard.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

using vantrel::testing::TempDir;
namespace fs = std::filesystem;

// Names on which the system's matcher and ours part ways: short aliases, "?" over letters
// of two UTF-8 bytes, literals that recur within themselves, dots in odd places.
const char* const kNames[] = {
    "aaa", "aa", "ababab", "abab", "x.aopx.aop", "a.aop", "A.AOP.txt", "a.dmlx", "longname.dmlx",
    "03119000.dml", "ab\xC3\xA9" "9000.dml", "\xC3\xA9\xC3\xA9" "9000.dml", "9000.dml", "x9000.dmlx",
    "noext", "a.b.c", "a.a.a", "win005.bmp", "winA05xy.bmp", "f1.vol", "a b .c", "\xC4\xB1.aop",
};

const char* const kPatterns[] = {
    "*.aop", "*aa", "*aaa", "*abab", "*.dml", "????9000.dml", "*9000.DML", "a*", "*.", "*.*", "*",
    "a.*", "*.?", "win?05??.bmp", "*.b?c", "*b .c", "*a.a", "*\xC3\xA9" "9000.dml", "??",
    "*.aop.", "*.c ", "x*.aop", "*.dml?",
};

class SearchMask : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kNames) dir_.write(name, "x");
  }

  // What our matcher picks from a listing of the whole folder.
  static std::vector<std::string> PickedFromListing(const char* pattern) {
    std::vector<std::string> picked;
    for (const auto& entry : fs::directory_iterator(".")) {
      const std::string name = vantrel::testing::Utf8Name(entry.path().filename());
      if (WildcardMatch(pattern, name)) picked.push_back(name);
    }
    std::sort(picked.begin(), picked.end());
    return picked;
  }

  static std::vector<std::string> Searched(const char* pattern) {
    std::vector<std::string> names;
    for (const FoundEntry& entry : FindEntries(pattern, Admit::Files)) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDir dir_;
};

// The system lists a mask of its own for speed; whatever it leaves out or adds, a search
// gives exactly the names our matcher takes from the whole folder.
TEST_F(SearchMask, SearchGivesWhatOurMatcherTakesFromTheWholeFolder) {
  ASSERT_EQ(PickedFromListing("*").size(), std::size(kNames));
  for (const char* pattern : kPatterns) EXPECT_EQ(Searched(pattern), PickedFromListing(pattern)) << pattern;
}

TEST_F(SearchMask, CornerCasesOfTheSystemsMatcher) {
  using Names = std::vector<std::string>;
  const struct {
    const char* pattern;
    Names expected;
  } cases[] = {
      // Not "a.dmlx", whose short alias the system's own matcher takes.
      {"*.dml", {"03119000.dml", "9000.dml", "ab\xC3\xA9" "9000.dml", "\xC3\xA9\xC3\xA9" "9000.dml"}},
      // Our "?" takes a byte, the system's a UTF-16 unit, so the system is never asked with one.
      {"????9000.dml", {"03119000.dml", "ab\xC3\xA9" "9000.dml", "\xC3\xA9\xC3\xA9" "9000.dml"}},
      {"*aa", {"aa", "aaa"}},
      {"*abab", {"abab", "ababab"}},
      {"*.aop", {"a.aop", "x.aopx.aop", "\xC4\xB1.aop"}},
      {"*.", {"aa", "aaa", "abab", "ababab", "noext"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Searched(c.pattern), c.expected) << c.pattern;
}

}  // namespace
}  // namespace vantrel::platform
