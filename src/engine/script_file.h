#pragma once
// A job script being written: each line in the job shell's own encoding
// (platform/script_encoding.h), and the check, before anything is written, that every name
// a job takes from a patch folder can be written there.
#include <optional>
#include <string>
#include <string_view>

#include "platform/text_file.h"

namespace vantrel {

class ScriptFile {
 public:
  explicit ScriptFile(std::string_view name) { file_.emplace(name); }
  // A script that is only planned: its lines are checked as if written, and go nowhere.
  ScriptFile() = default;

  // `line` is UTF-8; a name in it the encoding cannot hold raises Error.
  void WriteLine(std::string_view line);
  void Close() {
    if (file_) file_->Close();
  }

 private:
  std::optional<platform::TextFileWriter> file_;
};

// Where a job script is written before it takes its name: "0305.bat.new".
std::string UnfinishedScript(std::string_view name);

// The patch folder's name and the names of the files in it go into the job's lines: one the
// scripts' encoding cannot hold raises Error naming the folder (and the file), so that the
// job ends before it writes anything.
void RefuseNamesScriptsCannotHold(std::string_view folder);
// The same for an Active patches entry whose removal writes its name.
void RefuseEntryScriptsCannotHold(std::string_view entry);

}  // namespace vantrel
