#pragma once
// Everything one run of the program holds: the catalogue, the FM/DM choices, the record
// pair of the last activation and the shell that runs job scripts.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/patch_folders_ahead.h"
#include "rbext/message_hook.h"

namespace vantrel {

// A question put to the user; true when the answer is yes.
using QuestionHook = std::function<bool(const std::string&)>;

struct Session {
  Catalogue cat;
  bool fmdmChanging = false;
  std::array<bool, 3> fmVariantFlags{};  // variants "S", "2", "3"
  std::uint8_t sourceIndex = 0;
  std::uint8_t targetIndex = 0;
  std::string shellProgram = "command";
  MessageHook showMessage;  // the "owner window" of RunShell's failure box
  // Started by a window program once it is in the working folder; its first scan takes it.
  PatchFoldersAhead patchFoldersAhead;
};

}  // namespace vantrel
