#pragma once
// history, undo, restore-game: the job history read, and the jobs that go back by it.
#include "cli/cli.h"

namespace vantrel::cli {

// history: every job of the working folder, oldest first: its number, time, action, patch,
// slot and outcome.
void History(Session& s, const std::vector<std::string>& args, std::ostream& out);
// undo: the last job reversed, as jobs of their own; then the active list.
void Undo(Session& s, const std::vector<std::string>& args, std::ostream& out);
// restore-game: every patch removed and every original put back; what could not be ends the
// command with an error naming it.
void RestoreGame(Session& s, const std::vector<std::string>& args, std::ostream& out);

}  // namespace vantrel::cli
