#include "cmdshell/line_parser.h"

#include <gtest/gtest.h>

#include <map>

#include "cmdshell/percent_expansion.h"

namespace vantrel::cmdshell {
namespace {

std::string Expand(std::string_view line) {
  const std::vector<std::string> arguments{"job.bat", "first", "second"};
  const std::map<std::string, std::string, std::less<>> environment{{"GAME", "C:\\rb"}, {"EMPTY", ""}};
  return ExpandPercents(line, arguments, [&](std::string_view name) -> std::optional<std::string> {
    auto it = environment.find(name);
    if (it == environment.end()) return std::nullopt;
    return it->second;
  });
}

const SimpleCommand& Simple(const ParsedLine& line, std::size_t step = 0) {
  return std::get<SimpleCommand>(line.sequence.steps.at(step).command);
}

TEST(PercentExpansion, FollowsTheBatchRules) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"echo 100%% done", "echo 100% done"},
      {"copy \"a%%b.dml\" x", "copy \"a%b.dml\" x"},          // inside quotes too
      {"echo 50% done", "echo 50 done"},                       // a lone % is dropped
      {"echo trailing %", "echo trailing "},
      {"echo %0 %1 %2 %3.", "echo job.bat first second ."},  // a missing argument is empty
      {"echo %*", "echo first second"},
      {"echo %GAME%\\multi", "echo C:\\rb\\multi"},
      {"echo [%UNSET%][%EMPTY%]", "echo [][]"},
      {"echo %%1 %%GAME%%", "echo %1 %GAME%"},  // values are not expanded again
      {"echo a%b%c", "echo ac"},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(Expand(line), expected) << line;
}

TEST(PercentExpansion, ProcessEnvironmentIgnoresLetterCase) {
  ::setenv("VANTREL_TEST_VAR", "value", 1);
  EXPECT_EQ(ProcessEnvironment("vantrel_test_var"), "value");
  EXPECT_EQ(ProcessEnvironment("VANTREL_TEST_VAR"), "value");
  ::unsetenv("VANTREL_TEST_VAR");
  EXPECT_EQ(ProcessEnvironment("vantrel_test_var"), std::nullopt);
}

TEST(SplitWords, SeparatorsSplitAndQuotesGroup) {
  using Words = std::vector<std::string>;
  EXPECT_EQ(SplitWords("  \twin?05??.bmp  "), Words{"win?05??.bmp"});
  EXPECT_EQ(SplitWords("a,b;c=d\te"), (Words{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(SplitWords("\"My Dr1\\x y.dml\"  .\\0301x.dml"), (Words{"My Dr1\\x y.dml", ".\\0301x.dml"}));
  EXPECT_EQ(SplitWords("\"a,b;c=d\" \"\" x\"y z\""), (Words{"a,b;c=d", "xy z"}));
  EXPECT_EQ(SplitWords("\"unclosed quote, runs on"), Words{"unclosed quote, runs on"});
}

TEST(LineParser, SpecialCharactersCountOnlyOutsideQuotes) {
  const ParsedLine escaped = ParseLine("echo a^&b ^> c^^ (x) !y!");
  ASSERT_EQ(escaped.sequence.steps.size(), 1u);
  EXPECT_EQ(Simple(escaped).rest, " a&b > c^ (x) !y!");

  const ParsedLine chained = ParseLine("del a & del b && echo ok || echo bad");
  ASSERT_EQ(chained.sequence.steps.size(), 4u);
  EXPECT_EQ(chained.sequence.steps[1].joiner, Joiner::Always);
  EXPECT_EQ(chained.sequence.steps[2].joiner, Joiner::IfSucceeded);
  EXPECT_EQ(chained.sequence.steps[3].joiner, Joiner::IfFailed);
  EXPECT_EQ(Simple(chained, 1).rest, " b ");
}

TEST(LineParser, RedirectionsAreTakenOutAndShownAtTheEnd) {
  const ParsedLine marker = ParseLine("echo Active > \"061A_Big Tank.aop\"");
  const SimpleCommand& echo = Simple(marker);
  EXPECT_EQ(echo.rest, " Active ");  // the blank before ">" stays with the text
  ASSERT_EQ(echo.redirections.size(), 1u);
  EXPECT_EQ(echo.redirections[0].handle, 1);
  EXPECT_FALSE(echo.redirections[0].append);
  EXPECT_EQ(echo.redirections[0].target, "061A_Big Tank.aop");
  EXPECT_EQ(marker.Display(), "echo Active  1>\"061A_Big Tank.aop\"");

  const ParsedLine several = ParseLine("copy a b>>log.txt 2>&1 <NUL");
  const SimpleCommand& copy = Simple(several);
  EXPECT_EQ(copy.rest, " a b  ");  // blanks between redirections stay where they were
  ASSERT_EQ(copy.redirections.size(), 3u);
  EXPECT_TRUE(copy.redirections[0].append);
  EXPECT_EQ(copy.redirections[1].handle, 2);
  EXPECT_EQ(copy.redirections[1].duplicateOf, 1);
  EXPECT_EQ(copy.redirections[2].handle, 0);
  EXPECT_EQ(several.Display(), "copy a b   1>>log.txt 2>&1 0<NUL");

  // A digit is a handle only when it stands alone before ">".
  const ParsedLine digit = ParseLine("echo a2>f");
  EXPECT_EQ(Simple(digit).rest, " a2");
  EXPECT_EQ(Simple(digit).redirections.at(0).handle, 1);
}

TEST(LineParser, IfShowsAsWrittenAndTakesTheRestOfTheLine) {
  const std::string text = "IF Exist \"T x\" if not exist \"T x.orig\" copy \"T x\" \"T x.orig\" & echo done";
  const ParsedLine line = ParseLine(text);
  ASSERT_EQ(line.sequence.steps.size(), 1u);  // "& echo done" belongs to the if
  EXPECT_EQ(line.Display(), text);
}

TEST(LineParser, RemLabelsAndBlankLinesRunNothing) {
  const ParsedLine rem = ParseLine("Rem copy a b & del * > x");
  ASSERT_EQ(rem.sequence.steps.size(), 1u);
  EXPECT_TRUE(std::holds_alternative<RemCommand>(rem.sequence.steps[0].command));
  EXPECT_TRUE(ParseLine(":label").sequence.steps.empty());
  EXPECT_TRUE(ParseLine("  \t ").sequence.steps.empty());
  EXPECT_FALSE(ParseLine("@echo off").echoed);
  EXPECT_TRUE(ParseLine("echo on").echoed);
  // "remark" is not rem.
  EXPECT_TRUE(std::holds_alternative<SimpleCommand>(ParseLine("remark x").sequence.steps[0].command));
}

TEST(LineParser, RefusesWhatCmdRefuses) {
  const char* refused[] = {
      "& echo x",           "echo x > ",        "echo x 2>&",     "echo x && ",
      "if exist",           "if exist x",       "if not exist x & echo y",
      "if \"a\"==\"a\" echo", "if errorlevel x echo y",
  };
  for (const char* line : refused) EXPECT_THROW(ParseLine(line), SyntaxError) << line;
  EXPECT_NO_THROW(ParseLine("echo x &"));  // a trailing & is harmless
  try {
    ParseLine("| del x");
    ADD_FAILURE() << "a leading pipe was accepted";
  } catch (const SyntaxError& error) {
    EXPECT_STREQ(error.what(), "| was unexpected at this time.");
  }
}

}  // namespace
}  // namespace vantrel::cmdshell
