// Job scripts in the OEM code page, as Windows' cmd reads them.
#include <windows.h>
#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/script_encoding.h"

namespace vantrel::platform {
namespace {

TEST(ScriptEncoding, NamesTheCodePageHoldsAreItsBytes) {
  const UINT codePage = ::GetOEMCP();
  if (codePage != 437 && codePage != 850) GTEST_SKIP() << "the OEM code page is " << codePage;
  EXPECT_EQ(ScriptEncodingName(), "code page " + std::to_string(codePage));
  const struct {
    const char* utf8;
    const char* bytes;
  } cases[] = {
      {"Big Tank", "Big Tank"},
      {"Caf\xC3\xA9", "Caf\x82"},             // é is 0x82 in both
      {"\xC3\xBC" "ber", "\x81" "ber"},        // ü is 0x81
      {"100% Steel", "100% Steel"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(ScriptEncodingHolds(c.utf8)) << c.utf8;
    EXPECT_EQ(ToScriptEncoding(c.utf8), c.bytes) << c.utf8;
  }
}

// A character without a form of its own is refused rather than given a look-alike ("A" for
// "Ā"), which would name another file.
TEST(ScriptEncoding, ACharacterWithoutAFormOfItsOwnIsRefused) {
  if (::GetOEMCP() == CP_UTF8) GTEST_SKIP() << "the console reads UTF-8";
  for (const char* name : {"Tank \xE6\xB0\xB4", "Euro \xE2\x82\xAC", "\xC4\x80rea", "Caf\xE9"}) {
    EXPECT_FALSE(ScriptEncodingHolds(name)) << name;
    try {
      ToScriptEncoding(name);
      ADD_FAILURE() << name << " was converted";
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), "Cannot write in " + ScriptEncodingName() + ": " + name);
    }
  }
}

}  // namespace
}  // namespace vantrel::platform
