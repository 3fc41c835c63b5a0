#include "sample_game_fixture.h"

#include <filesystem>

#include "engine/activation.h"
#include "job_history_files.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "samplegame/sample_game.h"

namespace vantrel::testing {

namespace fs = std::filesystem;

SampleGame::SampleGame() {
  samplegame::LaySampleGame((dir.path() / "game").string());
  platform::ChangeDirectory("game/Simpatch");
}

Files SampleGame::Snapshot() const {
  Files files;
  const fs::path root = dir.path() / "game";
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.path().filename() == platform::kFolderLockFile) continue;
    if (IsJobHistoryRecord(entry.path())) continue;
    if (entry.is_regular_file()) files[Utf8Name(fs::relative(entry.path(), root))] = ReadFileBytes(entry.path());
  }
  return files;
}

std::string Difference(const Files& before, const Files& after) {
  const auto shown = [](const Files& files, const std::string& path) {
    const auto found = files.find(path);
    return found == files.end() ? std::string("(none)") : "\"" + found->second.substr(0, 40) + "\"";
  };
  std::string text;
  for (const Files* side : {&before, &after}) {
    for (const auto& [path, bytes] : *side) {
      if (side == &after && before.contains(path)) continue;
      if (shown(before, path) == shown(after, path) && before.contains(path) && after.contains(path) &&
          before.at(path) == after.at(path)) {
        continue;
      }
      text += "\n  " + path + ": " + shown(before, path) + " -> " + shown(after, path);
    }
  }
  return text;
}

Files WithoutLedger(Files files) {
  std::erase_if(files, [](const auto& file) { return file.first.find("/vantrel-files/ledger/") != std::string::npos; });
  return files;
}

JobOutcome Activate(EngineSession& e, const std::string& patchLine, std::string_view slot) {
  e.SelectPatch(patchLine);
  e.SelectSlot(slot);
  return RunJob(WriteActivationScript(e.s));
}

JobOutcome Deactivate(EngineSession& e, const std::string& entry) {
  e.s.cat.ListBox3.Clear();
  e.SelectActive(entry);
  return RunJob(*WriteDeactivationScript(e.s));
}

}  // namespace vantrel::testing
