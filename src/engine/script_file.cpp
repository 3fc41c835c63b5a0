#include "engine/script_file.h"

#include <string>

#include "platform/errors.h"
#include "platform/script_encoding.h"
#include "platform/search.h"

namespace vantrel {

std::string UnfinishedScript(std::string_view name) { return std::string(name) + ".new"; }

void ScriptFile::WriteLine(std::string_view line) {
  const std::string encoded = platform::ToScriptEncoding(line);
  if (file_) file_->WriteLine(encoded);
}

namespace {

std::string Where() { return " (" + platform::ScriptEncodingName() + "); rename "; }

}  // namespace

void RefuseEntryScriptsCannotHold(std::string_view entry) {
  if (!platform::ScriptEncodingHolds(entry)) {
    throw Error("The active patch's name cannot be written in a job script" + Where() + "its marker: " +
                std::string(entry));
  }
}

void RefuseNamesScriptsCannotHold(std::string_view folder) {
  const std::string where = Where();
  if (!platform::ScriptEncodingHolds(folder)) {
    throw Error("The patch folder's name cannot be written in a job script" + where + "the folder: " +
                std::string(folder));
  }
  for (const platform::FoundEntry& entry : platform::FindEntries(std::string(folder) + "\\*", platform::Admit::Everything)) {
    if (!platform::ScriptEncodingHolds(entry.name)) {
      throw Error("A file of the patch folder has a name that cannot be written in a job script" + where +
                  "it: " + std::string(folder) + "\\" + entry.name);
    }
  }
}

}  // namespace vantrel
