#pragma once
// One job script in the making: the session it serves, the open script file and the
// patch folder its searches look into.
#include "engine/patch_folder_files.h"
#include "engine/session.h"
#include "platform/text_file.h"

namespace vantrel {

struct Job {
  Job(Session& session, platform::TextFileWriter& script) : s(session), scriptFile(script), patchFiles(session.cat) {}

  Session& s;
  platform::TextFileWriter& scriptFile;
  PatchFolderFiles patchFiles;
};

}  // namespace vantrel
