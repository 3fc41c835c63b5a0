// libFuzzer target: the DOS wildcard matcher against properties that hold for every
// pattern and name. A broken property aborts, and the input is kept as a crash file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "platform/names.h"
#include "platform/wildcard.h"

namespace {

using vantrel::platform::WildcardMatch;
using vantrel::platform::WildcardPattern;

void Require(bool holds) {
  if (!holds) __builtin_trap();
}

std::string WithCase(std::string text, bool upper) {
  for (char& c : text) {
    if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Characters that act as wildcards in a pattern: "?" and "*", and the three that stand
// for the rewritten wildcards.
bool HasWildcardCharacters(const std::string& text) { return text.find_first_of("?*<>\"") != std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string pattern = input.ConsumeRandomLengthString(64);
  const std::string name = input.ConsumeRandomLengthString(64);

  const WildcardPattern compiled(pattern);
  const bool matches = compiled.Matches(name);
  Require(matches == WildcardMatch(pattern, name));

  // Letter case never matters, on either side.
  Require(matches == compiled.Matches(WithCase(name, true)));
  Require(matches == compiled.Matches(WithCase(name, false)));
  Require(matches == WildcardPattern(WithCase(pattern, true)).Matches(name));

  // A letter before both changes nothing, though it takes the pattern off the shortcut for
  // wildcards that all stand in front ("*.*" alone is a rule of its own).
  if (pattern != "*.*") Require(matches == WildcardPattern("q" + pattern).Matches("q" + name));

  Require(WildcardPattern("*").Matches(name));
  Require(WildcardPattern("*.*").Matches(name));

  if (!HasWildcardCharacters(pattern) && (pattern.empty() || pattern.back() != '.')) {
    // Without wildcards a pattern is a name, compared without regard to case.
    Require(!compiled.HasWildcards());
    Require(matches == vantrel::platform::SameNameIgnoringCase(pattern, name));
  }

  if (!name.empty() && !HasWildcardCharacters(name) && name.back() != '.') {
    // One "?" for every character but the dots matches the name it was made from.
    std::string questions = name;
    for (char& c : questions) {
      if (c != '.') c = '?';
    }
    Require(WildcardPattern(questions).Matches(name));
  }
  return 0;
}
