#pragma once
// One job script in the making: the session it serves, the open script file, the patch
// folder its searches look into, the plan of what the script is meant to do, and the
// ledger it reads and adds to.
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_layers.h"
#include "engine/job_plan.h"
#include "engine/ledger.h"
#include "engine/record_moves.h"
#include "engine/patch_folder_files.h"
#include "engine/script_file.h"
#include "engine/script_text.h"
#include "engine/session.h"

namespace vantrel {

// What a removal does for one file, as its lines say.
struct RestoredFile {
  std::string target;
  RestoreStep step;
};

struct Job {
  Job(Session& session, ScriptFile& script) : s(session), scriptFile(script), patchFiles(session.cat) {}

  // Writes `line`, a copy of `source` to `target`, and notes the copy in the plan.
  void WriteCopy(const std::string& line, std::string_view source, std::string_view target) {
    scriptFile.WriteLine(line);
    plan.copies.push_back({std::string(source), std::string(target)});
  }
  // A copy line of one of the object forms.
  void WriteCopy(CopyForm form, std::string_view source, std::string_view target) {
    WriteCopy(CopyLine(form, source, target), source, std::string(form.targetFolder) + std::string(target));
  }

  Session& s;
  ScriptFile& scriptFile;
  PatchFolderFiles patchFiles;
  JobPlan plan;
  std::vector<LedgerEntry> ledger;  // as the job found it
  std::vector<NewLayer> layers;     // an install's files over what was there
  std::vector<LedgerRecord> records;    // the model records the job changes, for the ledger
  std::vector<RecordMove> recordMoves;  // and the change itself, made once the ledger knows it
  std::vector<RestoredFile> restored;   // a removal's files
  bool planOnly = false;                // a plan: the body writes nothing
};

}  // namespace vantrel
