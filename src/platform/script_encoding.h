#pragma once
// The bytes of a job script. The job shell reads its script in an encoding of its own:
// Windows' cmd in the console's code page, the system's OEM code page; vantrel-cmd, Linux's
// stand-in for it, in UTF-8 as the program keeps every text. Names go into script lines
// converted here, and a name the encoding cannot hold is refused before a script is written.
#include <string>
#include <string_view>

namespace vantrel::platform {

// Whether every character of `utf8` has a byte form in the scripts' encoding, none of them
// a best-fit stand-in ("e" for "é") that would name another file.
bool ScriptEncodingHolds(std::string_view utf8);

// `utf8` as the job shell reads it. Raises Error when a character has no form there.
std::string ToScriptEncoding(std::string_view utf8);

// The encoding's name for messages: "code page 850", "UTF-8".
std::string ScriptEncodingName();

}  // namespace vantrel::platform
