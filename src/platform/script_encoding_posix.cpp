#include "platform/script_encoding.h"

// vantrel-cmd reads its scripts as the bytes the program keeps its texts in, UTF-8; a name
// of other bytes (a file system's own) passes through as it is stored.
namespace vantrel::platform {

bool ScriptEncodingHolds(std::string_view) { return true; }

std::string ToScriptEncoding(std::string_view utf8) { return std::string(utf8); }

std::string ScriptEncodingName() { return "UTF-8"; }

}  // namespace vantrel::platform
